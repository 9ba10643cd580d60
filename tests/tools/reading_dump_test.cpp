// The reading dump's line handling: malformed lines are refused without touching the record.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "reading-dump/dump_line.h"

namespace {

using nlohmann::json;

json Process(const std::string& line, core::BirthRecord& record) {
  return json::parse(dump::ProcessLine(line, record));
}

TEST(ReadingDump, MalformedLinesGiveOneErrorAndChangeNothing) {
  core::BirthRecord record;
  record.PersonName = "KEPT";
  for (const std::string line :
       {"", "not json", "[1,2]", "42", R"({"cboMonth": "Smarch"})", R"({"cboDate": "32"})",
        R"({"cboDate": 5})", R"({"cboYear": "1900"})", R"({"cboHH": "24"})",
        R"({"cmbTimeZone": 71})", R"({"cmbTimeZone": -2})", R"({"cmbTimeZone": 3.5})",
        R"({"cmbTimeZone": 18446744073709551615})", R"({"chkDST": "yes"})", R"({"optLong": "Up"})",
        R"({"optLat": "east"})", R"({"colour": "red"})", R"({"txtName": null})"}) {
    const json out = Process(line, record);
    ASSERT_TRUE(out.contains("error")) << line;
    EXPECT_EQ(out.size(), 1u) << line;
    EXPECT_TRUE(out["error"].is_string()) << line;
  }
  EXPECT_EQ(record.PersonName, "KEPT");
}

TEST(ReadingDump, EveryRecordFieldIsReported) {
  core::BirthRecord record;
  const json out = Process(R"({"txtName": "A", "txtLonD": "0", "txtLonM": "0",
                               "txtLatD": "0", "txtLatM": "0"})",
                           record);
  ASSERT_TRUE(out.contains("record"));
  EXPECT_EQ(out["record"].size(), 45u);
  EXPECT_EQ(out["record"]["BodyNames"].size(), 10u);
  EXPECT_EQ(out["record"]["PositionTexts"].size(), 14u);
  EXPECT_EQ(out["record"]["PositionNames"].size(), 11u);
  EXPECT_EQ(out["record"]["YamardhaFlags"].size(), 9u);
  EXPECT_EQ(out["record"]["DandaFlags"].size(), 5u);
}

}  // namespace

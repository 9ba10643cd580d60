// The reading dump's line handling: malformed lines are refused without touching the record.
#include <gtest/gtest.h>

#include <cstdio>
#include <nlohmann/json.hpp>

#include "place-lookup/lookup_line.h"
#include "reading-dump/dump_line.h"

namespace {

using nlohmann::json;

json Process(const std::string& line, core::BirthRecord& record) {
  return json::parse(dump::ProcessLine(line, record));
}

TEST(ReadingDump, MalformedLinesGiveOneErrorAndChangeNothing) {
  core::BirthRecord record;
  record.PersonName = "KEPT";
  for (const std::string line : {"",
                                 "not json",
                                 "[1,2]",
                                 "42",
                                 R"({"cboMonth": "Smarch"})",
                                 R"({"cboDate": "32"})",
                                 R"({"cboDate": 5})",
                                 R"({"cboYear": "1900"})",
                                 R"({"cboHH": "24"})",
                                 R"({"cmbTimeZone": 71})",
                                 R"({"cmbTimeZone": -2})",
                                 R"({"cmbTimeZone": 3.5})",
                                 R"({"cmbTimeZone": 18446744073709551615})",
                                 R"({"chkDST": "yes"})",
                                 R"({"optLong": "Up"})",
                                 R"({"optLat": "east"})",
                                 R"({"colour": "red"})",
                                 R"({"txtName": null})",
                                 R"({"utcOffsetSeconds": 50401})",
                                 R"({"utcOffsetSeconds": -43201})",
                                 R"({"utcOffsetSeconds": 20700.5})",
                                 R"({"utcOffsetSeconds": "20700"})",
                                 R"({"utcOffsetSeconds": 18446744073709551615})"}) {
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

// The place-lookup's fill for Kathmandu, 1 May 1990 06:00 (+5:45, which no zone row shows) read
// by the dump gives the positions of 00:15 UT: the same as a Greenwich line at 00:15, and with
// the record's zone filled from the offset (negated, as a row's correction).
TEST(ReadingDump, ExactOffsetFromTheAtlasGivesTheUniversalMoment) {
  lookup::PlaceLookup lookup;
  const json answer = json::parse(lookup.ProcessLine(
      R"({"query":"kathmandu","cboYear":"1990","cboMonth":"May","cboDate":"1","cboHH":"6"})"));
  json line = answer["fill"];
  ASSERT_EQ(line.value("utcOffsetSeconds", 0), 20700);
  line.update(json{{"txtName", "ASHA"},
                   {"cboYear", "1990"},
                   {"cboMonth", "May"},
                   {"cboDate", "1"},
                   {"cboHH", "6"},
                   {"cboSS", "59"},
                   {"cmbTimeZone", -1}});
  json greenwich = line;
  greenwich.erase("utcOffsetSeconds");
  greenwich.update(json{{"cmbTimeZone", 29}, {"cboHH", "0"}, {"cboMM", "15"}});

  core::BirthRecord record;
  const json exact = Process(line.dump(), record)["record"];
  const json gmt = Process(greenwich.dump(), record)["record"];
  for (const char* key : {"PositionTexts", "AscendantText", "MoonLongitudeText", "AyanamsaValue"})
    EXPECT_EQ(exact[key], gmt[key]) << key;
  EXPECT_EQ(exact["ZoneHours"], -5);
  EXPECT_EQ(exact["ZoneMinutes"], -45);
  EXPECT_EQ(exact["IsDst"], false);
  EXPECT_EQ(exact["BirthHour"], 6);
}

// Arc seconds within the sign of a "15° 30' 0\" Tau" text.
int ArcSeconds(const std::string& text) {
  int degrees = 0, minutes = 0, seconds = 0;
  std::sscanf(text.c_str(), "%d\xC2\xB0 %d' %d", &degrees, &minutes, &seconds);
  return (degrees * 60 + minutes) * 60 + seconds;
}

// Seconds east are kept to the second: Madras time, +5:21:10, at 10:05 is 04:43:50 UT, so the
// Moon (33" a minute) stands between where a Greenwich line puts it at 04:43 and at 04:44.
TEST(ReadingDump, ExactOffsetKeepsItsSeconds) {
  core::BirthRecord record;
  const std::string base = R"({"txtName":"A","cboYear":"1903","cboMonth":"March","txtLonD":"80",)"
                           R"("txtLonM":"17","txtLatD":"13","txtLatM":"5",)";
  const auto moon = [&](const std::string& rest) {
    const json out = Process(base + rest, record);
    return ArcSeconds(out["record"]["MoonLongitudeText"].get<std::string>());
  };
  const int exact = moon(R"("cboHH":"10","cboMM":"5","utcOffsetSeconds":19270})");
  EXPECT_GT(exact, moon(R"("cboHH":"4","cboMM":"43","cmbTimeZone":29})"));
  EXPECT_LT(exact, moon(R"("cboHH":"4","cboMM":"44","cmbTimeZone":29})"));
}

}  // namespace

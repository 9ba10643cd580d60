// Birth-details files: the envelope around the form's entries.
#include "core/birth_details.h"

#include <gtest/gtest.h>

#include "core/entries_json.h"

namespace {

using core::BirthDetails;
using core::ParseBirthDetails;

TEST(BirthDetails, WhatIsWrittenReadsBackWithItsPlace) {
  BirthDetails details;
  details.entries.txtName = "ASHA RANI";
  details.entries.cboMonth = 2;
  details.entries.cmbTimeZone = -1;
  details.entries.chkDST = true;
  details.entries.optLatNorth = false;
  details.place = core::AtlasPlace{"Asia/Kolkata", 19800};
  for (const auto& place : {details.place, std::optional<core::AtlasPlace>{}}) {
    details.place = place;
    const auto back = ParseBirthDetails(core::BirthDetailsText(details));
    ASSERT_TRUE(back.details) << back.error;
    EXPECT_EQ(core::EntriesToJson(back.details->entries), core::EntriesToJson(details.entries));
    EXPECT_EQ(back.details->place, place);
  }
}

TEST(BirthDetails, AbsentEntriesTakeTheDefaultsAndUnknownTopLevelKeysAreIgnored) {
  const auto parsed = ParseBirthDetails(
      R"({"format": "orvel-pataki-chakra/birth-details", "version": 1, "comment": [1, 2],
          "entries": {"txtName": "RAVI", "chkDST": true}})");
  ASSERT_TRUE(parsed.details) << parsed.error;
  core::FormEntries expected;
  expected.txtName = "RAVI";
  expected.chkDST = true;
  EXPECT_EQ(core::EntriesToJson(parsed.details->entries), core::EntriesToJson(expected));
  EXPECT_EQ(parsed.details->entries.cmbTimeZone, core::FormEntries{}.cmbTimeZone);
  EXPECT_FALSE(parsed.details->place);
}

TEST(BirthDetails, EachKindOfBadFileIsRefusedWithItsReason) {
  const std::string head = R"({"format": "orvel-pataki-chakra/birth-details", "version": 1, )";
  const struct {
    const char* name;
    std::string text;
    const char* reason;  // a part of the message
  } rows[] = {
      {"empty", "", "not JSON"},
      {"cut short", head + R"("entries": {)", "not JSON"},
      {"an array", "[1, 2]", "no JSON object"},
      {"no format", R"({"version": 1, "entries": {}})", "not a birth-details file"},
      {"another format", R"({"format": "x/y", "version": 1, "entries": {}})",
       "not a birth-details file"},
      {"newer version",
       R"({"format": "orvel-pataki-chakra/birth-details", "version": 3, "entries": {}})",
       "newer version of the program (format version 3)"},
      {"huge version",
       R"({"format": "orvel-pataki-chakra/birth-details", "version": 18446744073709551615,
           "entries": {}})",
       "newer version"},
      {"version zero",
       R"({"format": "orvel-pataki-chakra/birth-details", "version": 0, "entries": {}})",
       "\"version\" must be"},
      {"version as text",
       R"({"format": "orvel-pataki-chakra/birth-details", "version": "1", "entries": {}})",
       "\"version\" must be"},
      {"no entries", R"({"format": "orvel-pataki-chakra/birth-details", "version": 1})",
       "no \"entries\""},
      {"no month", head + R"("entries": {"cboMonth": "Smarch"}})", "\"cboMonth\" must be"},
      {"zone row out of range", head + R"("entries": {"cmbTimeZone": 71}})",
       "\"cmbTimeZone\" must be"},
      {"unknown entry", head + R"("entries": {"txtNickname": "A"}})", "Unknown key"},
      {"daylight saving as text", head + R"("entries": {"chkDST": "yes"}})",
       "\"chkDST\" must be true or false"},
      {"place without zone", head + R"("entries": {}, "place": {"offsetSeconds": 0}})",
       "\"place\" must hold"},
      {"offset in hours", head + R"("entries": {}, "place": {"zone": "Asia/Kolkata",
                                                            "offsetSeconds": 5.5}})",
       "\"place\" must hold"},
      {"offset beyond a day", head + R"("entries": {}, "place": {"zone": "Etc/X",
                                                               "offsetSeconds": 90000}})",
       "\"place\" must hold"},
  };
  for (const auto& row : rows) {
    const auto parsed = ParseBirthDetails(row.text);
    EXPECT_FALSE(parsed.details) << row.name;
    EXPECT_NE(parsed.error.find(row.reason), std::string::npos) << row.name << ": " << parsed.error;
  }
}

}  // namespace

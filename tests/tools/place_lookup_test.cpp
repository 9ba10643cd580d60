// place-lookup's lines: the atlas's matches, the clock of the first one and what it fills.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "place-lookup/lookup_line.h"

namespace {

using nlohmann::json;

TEST(PlaceLookup, AnswersEachKindOfQuestion) {
  struct Row {
    const char* name;
    const char* line;
    const char* expected;  // a JSON object whose every member the answer must hold as given
  };
  const Row rows[] = {
      {"war time in Delhi fits a row with the box",
       R"({"query":"delhi","cboYear":"1943","cboMonth":"June","cboDate":"1","cboHH":"12"})",
       R"({"clock":"normal","offsetSeconds":23400,"daylightSaving":true,"conversion":null,
           "fill":{"txtLonD":"77","txtLonM":"14","optLong":"East","txtLatD":"28",
                   "txtLatM":"39","optLat":"North","cmbTimeZone":34,"chkDST":true,
                   "utcOffsetSeconds":null}})"},
      {"Madras time fills its exact offset and no row",
       R"({"query":"madras","cboYear":"1903","cboHH":"10","cboMM":"5"})",
       R"({"offsetSeconds":19270,"conversion":null,"fill":{"utcOffsetSeconds":19270,
           "cmbTimeZone":null,"chkDST":null}})"},
      {"Nepal's +5:45 fills its exact offset",
       R"({"query":"kathmandu","cboYear":"1990","cboMonth":"May","cboDate":"1","cboHH":"6"})",
       R"({"offsetSeconds":20700,"fill":{"utcOffsetSeconds":20700,"cmbTimeZone":null}})"},
      {"a skipped clock time has no offset",
       R"({"query":"new york","cboYear":"2021","cboMonth":"March","cboDate":"14","cboHH":"2",
           "cboMM":"30"})",
       R"({"clock":"skipped","offsetSeconds":null,"daylightSaving":null,"conversion":null})"},
      {"a repeated time, the second instance",
       R"({"query":"new york","cboYear":"2021","cboMonth":"November","cboDate":"7",
           "cboHH":"1","cboMM":"30","later":true})",
       R"({"clock":"repeated","offsetSeconds":-18000,"daylightSaving":false})"},
      {"a former name stays in the City, as the form keeps it",
       R"({"query":"bombay","cboYear":"1990","cboMonth":"May","cboDate":"1","cboHH":"6"})",
       R"({"fill":{"txtMCity":"Bombay","txtMState":"Maharashtra","cmbTimeZone":34}})"},
      // The Swiss Ephemeris's years, against zdump -v of tzdata 2026f: Varanasi keeps its own
      // mean time (83.01041 E x 240 s) before Asia/Kolkata's first entry (1854), London GMT
      // from 1847, New York its own mean time until 1883 and EDT after the zone file's end.
      {"Varanasi 1850: its local mean time", R"({"query":"varanasi","cboYear":"1850","cboHH":"6"})",
       R"({"offsetSeconds":19922,"daylightSaving":false,"fill":{"utcOffsetSeconds":19922}})"},
      {"London 1850: GMT", R"({"query":"london","cboYear":"1850","cboHH":"6"})",
       R"({"offsetSeconds":0,"fill":{"cmbTimeZone":29,"chkDST":false}})"},
      {"New York 1850: its local mean time", R"({"query":"new york","cboYear":"1850","cboHH":"6"})",
       R"({"offsetSeconds":-17761,"fill":{"utcOffsetSeconds":-17761}})"},
      {"New York July 2100: EDT",
       R"({"query":"new york","cboYear":"2100","cboMonth":"July","cboHH":"6"})",
       R"({"offsetSeconds":-14400,"daylightSaving":true,"fill":{"chkDST":true}})"},
      {"Delhi 2100: IST", R"({"query":"delhi","cboYear":"2100","cboHH":"6"})",
       R"({"offsetSeconds":19800,"fill":{"cmbTimeZone":34,"chkDST":false}})"},
      {"southern hemisphere and west", R"({"query":"sao paulo","cboYear":"1990"})",
       R"({"fill":{"optLong":"West","optLat":"South"}})"},
      {"no match", R"({"query":"qqqqzz"})",
       R"({"matches":[],"clock":null,"fill":null,"status":null})"},
      {"malformed", R"({"query":"x","cboHH":"24"})",
       R"({"error":"\"cboHH\" must be one of the list's entries \"0\" to \"23\"."})"},
      {"unknown key", R"({"query":"x","colour":1})", R"({"error":"Unknown key \"colour\"."})"},
  };
  lookup::PlaceLookup lookup;
  for (const auto& row : rows) {
    const json answer = json::parse(lookup.ProcessLine(row.line));
    const json expected = json::parse(row.expected);
    for (const auto& [key, value] : expected.items()) {
      ASSERT_TRUE(answer.contains(key)) << row.name << ": " << key;
      if (value.is_object()) {
        for (const auto& [k, v] : value.items())  // null: the key must be absent
          EXPECT_EQ(answer[key].value(k, json()), v) << row.name << ": " << k;
      } else {
        EXPECT_EQ(answer[key], value) << row.name << ": " << key;
      }
    }
  }
}

}  // namespace

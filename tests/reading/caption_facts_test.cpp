// The numbers a reading leaves beside its English captions: composed again in English with the
// library's own names, they give every such caption back, so a window in another language that
// composes them from the numbers shows the same reading.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "core/entries_json.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"
#include "reading/reading.h"

namespace {

namespace fs = std::filesystem;
using core::CaptionFacts;

std::string SignBox(const CaptionFacts& f, int sign) {
  static constexpr std::array<std::string_view, 10> kShortNames = {
      "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
  std::string box;
  for (std::size_t k = 0; k < 10; ++k) {
    if (ephemeris::SignOfLongitude((*f.longitudes)[k]) != sign) continue;
    box += "\r\n" + std::string(kShortNames[k]);
    if (f.retrograde[k]) box += " (R) ";
  }
  return box;
}

std::string SunTime(const CaptionFacts& f, std::size_t i) {
  if (!f.sunTimes[i]) return {};
  const char* notes[] = {"", " (the Sun did not set this day)", " (the Sun did not rise this day)"};
  return reading::DateTimeText(*f.sunTimes[i]) + notes[static_cast<int>(f.sunNotes[i])];
}

TEST(CaptionFacts, ComposeTheEnglishCaptionsAgain) {
  int readings = 0;
  for (const auto& file : fs::directory_iterator(fs::path(OPC_TEST_DATA_DIR) / "golden")) {
    std::ifstream in(file.path());
    const auto input = nlohmann::json::parse(in).at("input");
    const auto parsed = core::EntriesFromJson(input);
    ASSERT_TRUE(parsed.error.empty()) << file.path();
    core::BirthRecord record;
    core::ResultSheet sheet;
    if (reading::RunReading(parsed.entries, record, sheet)) continue;
    ++readings;
    const CaptionFacts& f = sheet.captionFacts;
    const auto name = file.path().filename().string();
    const auto dob = sheet.Caption("lblDOB");
    EXPECT_EQ(dob.substr(0, dob.find('/')), core::MonthName(f.birthMonth)) << name;
    EXPECT_TRUE(sheet.Caption("lblLatitude").ends_with(f.south ? " S" : " N")) << name;
    EXPECT_TRUE(sheet.Caption("lblLongitude").ends_with(f.west ? " W" : " E")) << name;
    const std::chrono::year_month_day date{std::chrono::year{record.BirthYear},
                                           std::chrono::month(unsigned(f.birthMonth)),
                                           std::chrono::day(unsigned(record.BirthDay))};
    EXPECT_EQ(f.weekday, std::chrono::weekday{std::chrono::sys_days{date}}.c_encoding() + 1)
        << name;
    EXPECT_EQ(sheet.Caption("lblSunRise"), SunTime(f, 0)) << name;
    EXPECT_EQ(sheet.Caption("lblSunSet"), SunTime(f, 1)) << name;
    EXPECT_EQ(sheet.Caption("lblPeriod"),
              f.period == core::BirthPeriodKind::Day ? "Dinamana" : "Ratrimana")
        << name;
    EXPECT_EQ(sheet.Caption("lblYamardhapati"), core::kPlanetNames.at(f.yamardhapati)) << name;
    EXPECT_EQ(sheet.Caption("lblDandadhipati"), core::kPlanetNames.at(f.dandadhipati)) << name;
    EXPECT_EQ(sheet.Caption("lblLagna"), ephemeris::kSanskritSignNames.at(f.lagnaSign)) << name;
    EXPECT_EQ(sheet.Caption("lblRashi"), ephemeris::kSanskritSignNames.at(f.rashiSign)) << name;
    ASSERT_TRUE(f.longitudes) << name;
    for (int k = 0; k < 10; ++k)
      EXPECT_EQ(sheet.Caption(core::PositionLabel(k)),
                ephemeris::PositionText((*f.longitudes)[static_cast<std::size_t>(k)]))
          << name << " body " << k;
    for (int sign = 0; sign < 12; ++sign)
      EXPECT_EQ(sheet.Caption(core::kSignContentLabels[static_cast<std::size_t>(sign)]),
                SignBox(f, sign))
          << name << " sign " << sign;
  }
  EXPECT_GE(readings, 7);
}

}  // namespace

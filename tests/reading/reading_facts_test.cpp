// The facts a reading leaves beside its English captions: composed again in English with the
// library's own names, they give every such caption back, so a window in another language that
// writes its captions from the facts shows the same reading.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "core/entries_json.h"
#include "ephemeris/calendar_angles.h"
#include "reading/reading.h"

namespace {

namespace fs = std::filesystem;
using core::ReadingFacts;

std::string SignBox(const ReadingFacts& f, int sign) {
  static constexpr std::array<std::string_view, 10> kShortNames = {
      "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
  std::string box;
  for (std::size_t k = 0; k < 10; ++k) {
    if ((*f.longitudes)[k].SignIndex() != sign) continue;
    box += "\r\n" + std::string(kShortNames[k]);
    if (f.retrograde[k]) box += " (R) ";
  }
  return box;
}

std::string SunTime(const ReadingFacts& f, std::size_t i) {
  if (!f.sunTimes[i]) return {};
  const std::string text = reading::DateTimeText(*f.sunTimes[i]);
  if (f.sunDays[i] == core::SunDay::NeverSets) return text + " (the Sun did not set this day)";
  if (f.sunDays[i] == core::SunDay::NeverRises) return text + " (the Sun did not rise this day)";
  return text;
}

TEST(ReadingFacts, ComposeTheEnglishCaptionsAgain) {
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
    const ReadingFacts& f = sheet.facts;
    const auto name = file.path().filename().string();
    ASSERT_TRUE(f.birthDate) << name;
    const std::chrono::year_month_day date = *f.birthDate;
    EXPECT_EQ(sheet.Caption("lblDOB"), std::string(core::MonthName(int(unsigned(date.month())))) +
                                           "/" + std::to_string(unsigned(date.day())) + "/" +
                                           std::to_string(int(date.year())))
        << name;
    EXPECT_EQ(sheet.Caption("lblTOB"), std::to_string(f.birthTime.count() / 60) + ":" +
                                           std::to_string(f.birthTime.count() % 60))
        << name;
    EXPECT_TRUE(sheet.Caption("lblLatitude").ends_with(f.latitude.positive ? " N" : " S")) << name;
    EXPECT_TRUE(sheet.Caption("lblLongitude").ends_with(f.longitude.positive ? " E" : " W"))
        << name;
    EXPECT_EQ(f.weekday, std::chrono::weekday{std::chrono::sys_days{date}}) << name;
    EXPECT_EQ(sheet.Caption("lblSunRise"), SunTime(f, 0)) << name;
    EXPECT_EQ(sheet.Caption("lblSunSet"), SunTime(f, 1)) << name;
    EXPECT_EQ(sheet.Caption("lblPeriod"),
              f.period == core::BirthPeriodKind::Day ? "Dinamana" : "Ratrimana")
        << name;
    const auto index = [](auto value) { return static_cast<std::size_t>(value.value()); };
    EXPECT_EQ(sheet.Caption("lblYamardhapati"), core::kBodyNames.at(index(f.yamardhapati))) << name;
    EXPECT_EQ(sheet.Caption("lblDandadhipati"), core::kBodyNames.at(index(f.dandadhipati))) << name;
    EXPECT_EQ(sheet.Caption("lblLagna"), core::kSanskritSignNames.at(index(f.lagna))) << name;
    EXPECT_EQ(sheet.Caption("lblRashi"), core::kSanskritSignNames.at(index(f.rashi))) << name;
    ASSERT_TRUE(f.longitudes) << name;
    for (int k = 0; k < 10; ++k)
      EXPECT_EQ(sheet.Caption(core::PositionLabel(k)),
                ephemeris::PositionText((*f.longitudes)[static_cast<std::size_t>(k)].degrees))
          << name << " body " << k;
    for (int sign = 0; sign < 12; ++sign)
      EXPECT_EQ(sheet.Caption(core::kSignContentLabels[static_cast<std::size_t>(sign)]),
                SignBox(f, sign))
          << name << " sign " << sign;
  }
  EXPECT_GE(readings, 7);
}

}  // namespace

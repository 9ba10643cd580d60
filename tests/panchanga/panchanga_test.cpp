// The panchanga's rules on a sky whose edges are known in closed form, and its names at the
// ends of their cycles.
#include "panchanga/panchanga.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace std::chrono;
using panchanga::Instant;
using panchanga::SunMoon;

// A Sun and a Moon moving at constant rates from given longitudes at the epoch (1 January
// 2000, 0 h UT): every edge is then crossed at (edge - value at epoch) / rate.
class SteadySky : public panchanga::Sky {
 public:
  SteadySky(SunMoon atEpoch, double sunPerDay, double moonPerDay)
      : at_(atEpoch), sunRate_(sunPerDay), moonRate_(moonPerDay) {}
  std::optional<SunMoon> At(Instant t) const override {
    const double d = (t - kEpoch).count() / 86400;
    return SunMoon{std::fmod(at_.sun + sunRate_ * d, 360),
                   std::fmod(at_.moon + moonRate_ * d, 360)};
  }
  static constexpr sys_days kEpoch{2000y / 1 / 1};

 private:
  SunMoon at_;
  double sunRate_, moonRate_;
};

Instant AfterEpoch(double days) {
  return Instant{SteadySky::kEpoch} + duration<double>(days * 86400);
}

TEST(Panchanga, EdgesOfASteadySky) {
  // Sun 280° at 1°/day, Moon 100° at 13°/day: elongation 180° (tithi 16, karana 31) growing
  // 12°/day, sum 20° (yoga 2) at 14°/day, the Moon in Pushya (8th, from 93° 20').
  const SteadySky sky({280, 100}, 1, 13);
  const struct {
    const char* name;
    double at;  // days after the epoch
    int number;
    double start, end;  // days after the epoch
    panchanga::Element panchanga::Elements::*element;
  } rows[] = {
      {"tithi at full moon", 0, 16, 0, 1, &panchanga::Elements::tithi},
      {"karana at full moon", 0, 31, 0, 0.5, &panchanga::Elements::karana},
      {"karana in a tithi's second half", 0.75, 32, 0.5, 1, &panchanga::Elements::karana},
      {"yoga", 0, 2, (40.0 / 3 - 20) / 14, (80.0 / 3 - 20) / 14, &panchanga::Elements::yoga},
      {"nakshatra", 0, 8, (280.0 / 3 - 100) / 13, (320.0 / 3 - 100) / 13,
       &panchanga::Elements::nakshatra},
      {"tithi 30 across the new moon's edge", 14.9, 30, 14, 15, &panchanga::Elements::tithi},
  };
  for (const auto& row : rows) {
    const Instant moment = AfterEpoch(row.at);
    const auto elements = panchanga::ElementsOf(sky, moment, *sky.At(moment));
    ASSERT_TRUE(elements) << row.name;
    const panchanga::Element& e = (*elements).*row.element;
    EXPECT_EQ(e.number, row.number) << row.name;
    EXPECT_LE(abs(e.start - round<seconds>(AfterEpoch(row.start))), 1s) << row.name;
    EXPECT_LE(abs(e.end - round<seconds>(AfterEpoch(row.end))), 1s) << row.name;
  }
}

class FailingSky : public panchanga::Sky {
 public:
  std::optional<SunMoon> At(Instant) const override { return std::nullopt; }
};

TEST(Panchanga, NothingWhereTheSkyFails) {
  EXPECT_FALSE(panchanga::ElementsOf(FailingSky{}, AfterEpoch(0), {0, 0}));
}

TEST(Panchanga, VaraFromTheSunrise) {
  const local_days friday{1947y / 8 / 15};
  const local_seconds sunrise = friday + 5h + 45min;
  const struct {
    const char* name;
    local_seconds birth;
    std::optional<local_seconds> sunrise;
    weekday day;
    panchanga::VaraNote note;
  } rows[] = {
      {"midnight, before sunrise", friday + 0s, sunrise, Thursday,
       panchanga::VaraNote::BeforeSunrise},
      {"a second before sunrise", sunrise - 1s, sunrise, Thursday,
       panchanga::VaraNote::BeforeSunrise},
      {"at sunrise", sunrise, sunrise, Friday, panchanga::VaraNote::AfterSunrise},
      {"late evening", friday + 23h, sunrise, Friday, panchanga::VaraNote::AfterSunrise},
      {"no sunrise that date", friday + 1h, std::nullopt, Friday, panchanga::VaraNote::NoSunrise},
  };
  for (const auto& row : rows) {
    const panchanga::Vara vara = panchanga::VaraOf(row.birth, row.sunrise);
    EXPECT_EQ(vara.day, row.day) << row.name;
    EXPECT_EQ(vara.note, row.note) << row.name;
  }
  EXPECT_EQ(panchanga::WeekdayLord(Thursday), "Jupiter");
  EXPECT_EQ(panchanga::WeekdayLord(Tuesday), "Mars");
}

TEST(Panchanga, NamesAtTheEndsOfTheirCycles) {
  const struct {
    std::string_view name, expected;
  } rows[] = {
      {panchanga::TithiName(15), "Purnima"},
      {panchanga::TithiName(16), "Pratipada"},
      {panchanga::TithiName(29), "Chaturdashi"},
      {panchanga::TithiName(30), "Amavasya"},
      {panchanga::TithiName(31), ""},
      {panchanga::PakshaName(15), "Shukla"},
      {panchanga::PakshaName(16), "Krishna"},
      {panchanga::KaranaName(1), "Kimstughna"},
      {panchanga::KaranaName(2), "Bava"},
      {panchanga::KaranaName(9), "Bava"},
      {panchanga::KaranaName(57), "Vishti"},
      {panchanga::KaranaName(58), "Shakuni"},
      {panchanga::KaranaName(60), "Naga"},
      {panchanga::KaranaName(0), ""},
      {panchanga::YogaName(27), "Vaidhriti"},
      {panchanga::YogaName(28), ""},
  };
  for (const auto& row : rows) EXPECT_EQ(row.name, row.expected);
}

}  // namespace

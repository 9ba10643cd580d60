// The panchanga's search on a sky whose edges are known in closed form, the Hindu day at the
// sunrise's second, and the names where their cycles turn.
#include "panchanga/panchanga.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace std::chrono;
using panchanga::Elements;
using panchanga::SunMoon;

// The Sun from 280° at 1° a day and the Moon from 100° at 13° a day from 1 January 2000, 0 h
// UT: elongation 180° (tithi 16, karana 31) growing 12° a day, sum 20° (yoga 2) growing 14°,
// the Moon in Pushya (from 93° 20'); each edge is crossed at (edge - value) / rate.
constexpr sys_days kEpoch{2000y / 1 / 1};
panchanga::Instant AfterEpoch(double days) {
  return panchanga::Instant{kEpoch} + duration<double>(days * 86400);
}
class SteadySky : public panchanga::Sky {
 public:
  std::optional<SunMoon> At(panchanga::Instant t) const override {
    const double d = (t - kEpoch).count() / 86400;
    return SunMoon{std::fmod(280 + d, 360), std::fmod(100 + 13 * d, 360)};
  }
};
class FailingSky : public panchanga::Sky {
 public:
  std::optional<SunMoon> At(panchanga::Instant) const override { return std::nullopt; }
};

TEST(Panchanga, EdgesOfASteadySky) {
  const struct {
    const char* name;
    double at;  // days after the epoch, as are the start and the end
    panchanga::Element Elements::*element;
    int number;
    double start, end;
  } rows[] = {
      {"tithi at full moon", 0, &Elements::tithi, 16, 0, 1},
      {"karana at full moon", 0, &Elements::karana, 31, 0, 0.5},
      {"karana in a tithi's second half", 0.75, &Elements::karana, 32, 0.5, 1},
      {"yoga", 0, &Elements::yoga, 2, (40.0 / 3 - 20) / 14, (80.0 / 3 - 20) / 14},
      {"nakshatra", 0, &Elements::nakshatra, 8, (280.0 / 3 - 100) / 13, (320.0 / 3 - 100) / 13},
      {"tithi 30 up to the new moon", 14.9, &Elements::tithi, 30, 14, 15},
  };
  const SteadySky sky;
  for (const auto& row : rows) {
    const auto elements = panchanga::ElementsOf(sky, AfterEpoch(row.at));
    ASSERT_TRUE(elements) << row.name;
    const panchanga::Element& e = (*elements).*row.element;
    EXPECT_EQ(e.number, row.number) << row.name;
    EXPECT_LE(abs(e.start - round<seconds>(AfterEpoch(row.start))), 1s) << row.name;
    EXPECT_LE(abs(e.end - round<seconds>(AfterEpoch(row.end))), 1s) << row.name;
  }
  EXPECT_FALSE(panchanga::ElementsOf(FailingSky{}, AfterEpoch(0)));
}

TEST(Panchanga, VaraFromTheSunriseAndNamesWhereCyclesTurn) {
  using enum panchanga::VaraNote;
  const local_days friday{1947y / 8 / 15};
  const local_seconds rise = friday + 5h + 45min;
  const panchanga::Vara varas[] = {panchanga::VaraOf(rise - 1s, rise),
                                   panchanga::VaraOf(rise, rise),
                                   panchanga::VaraOf(friday + 1h, std::nullopt)};
  EXPECT_TRUE(varas[0].day == Thursday && varas[0].note == BeforeSunrise);
  EXPECT_TRUE(varas[1].day == Friday && varas[1].note == AfterSunrise);
  EXPECT_TRUE(varas[2].day == Friday && varas[2].note == NoSunrise);
  using namespace panchanga;
  const std::string_view names[] = {TithiName(16), TithiName(30),  PakshaName(16), KaranaName(1),
                                    KaranaName(9), KaranaName(57), KaranaName(58), KaranaName(61)};
  const std::string_view expected[] = {"Pratipada", "Amavasya", "Krishna", "Kimstughna",
                                       "Bava",      "Vishti",   "Shakuni", ""};
  for (std::size_t k = 0; k < std::size(names); ++k) EXPECT_EQ(names[k], expected[k]) << k;
}

}  // namespace

// Day counts and the two longitude texts.
#include "ephemeris/calendar_angles.h"

#include <gtest/gtest.h>

#include <string>

#include "ephemeris/angles.h"

namespace {

using namespace ephemeris;

struct DayNumberCase {
  const char* name;
  int month, day, year;
  double expected;
};

class JulianDayNumberTest : public testing::TestWithParam<DayNumberCase> {};

TEST_P(JulianDayNumberTest, MatchesTheKnownDayNumber) {
  const auto& c = GetParam();
  EXPECT_EQ(JulianDayNumber(c.month, c.day, c.year), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Dates, JulianDayNumberTest,
    testing::Values(DayNumberCase{"J2000", 1, 1, 2000, 2451545},
                    DayNumberCase{"Dec31_1899", 12, 31, 1899, 2415020},
                    DayNumberCase{"Mar1_2000_after_leap_day", 3, 1, 2000, 2451605},
                    DayNumberCase{"Feb29_2000", 2, 29, 2000, 2451604},
                    DayNumberCase{"Mar1_1900_no_leap_day", 3, 1, 1900, 2415080},
                    DayNumberCase{"Oct4_1582_last_Julian", 10, 4, 1582, 2299160},
                    DayNumberCase{"Oct15_1582_still_counted_Julian", 10, 15, 1582, 2299171},
                    DayNumberCase{"Oct16_1582_Gregorian", 10, 16, 1582, 2299162},
                    DayNumberCase{"Dec31_2050", 12, 31, 2050, 2470172}),
    [](const auto& info) { return std::string(info.param.name); });

struct DaysCase {
  const char* name;
  int year, month, day, hour, minute;
  double expected;
};

class DaysSinceJ2000Test : public testing::TestWithParam<DaysCase> {};

TEST_P(DaysSinceJ2000Test, CountsFromNoonOfJ2000) {
  const auto& c = GetParam();
  EXPECT_DOUBLE_EQ(DaysSinceJ2000(c.year, c.month, c.day, c.hour, c.minute), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Moments, DaysSinceJ2000Test,
    testing::Values(DaysCase{"J2000_noon", 2000, 1, 1, 12, 0, 0},
                    DaysCase{"Mar1_1900_midnight", 1900, 3, 1, 0, 0, -36465.5},
                    // One day short of the true interval: the count has no century rule.
                    DaysCase{"Jan1_1900_midnight_one_day_short", 1900, 1, 1, 0, 0, -36525.5},
                    DaysCase{"Aug14_1947_1830", 1947, 8, 14, 18, 30, -19132.729166666668},
                    DaysCase{"Mar1_2000_0600", 2000, 3, 1, 6, 0, 59.75}),
    [](const auto& info) { return std::string(info.param.name); });

struct TextCase {
  const char* name;
  double longitude;
  const char* longText;
  const char* positionText;
};

class LongitudeTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(LongitudeTextTest, TruncatesToDegreesMinutesSecondsAndSign) {
  const auto& c = GetParam();
  EXPECT_EQ(LongitudeText(c.longitude), c.longText) << c.name;
  EXPECT_EQ(PositionText(c.longitude), c.positionText) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Longitudes, LongitudeTextTest,
    testing::Values(TextCase{"half_degree_into_Taurus", 45.5, "15° 30' 0\" Tau", "15 Tau 30"},
                    TextCase{"zero", 0, "0° 0' 0\" Ari", "00 Ari 00"},
                    TextCase{"just_below_a_turn", 359.9999, "29° 59' 59\" Pis", "29 Pis 59"},
                    TextCase{"negative_uses_magnitude", -45.5, "15° 30' 0\" Tau", "15 Tau 30"},
                    TextCase{"seconds_not_rounded", 5.1333, "5° 7' 59\" Ari", "05 Ari 07"},
                    TextCase{"last_second_of_Aries", 29.99999, "29° 59' 59\" Ari", "29 Ari 59"},
                    TextCase{"first_point_of_Taurus", 30, "0° 0' 0\" Tau", "00 Tau 00"},
                    TextCase{"Libra_two_digit_minutes", 199.4625, "19° 27' 45\" Lib", "19 Lib 27"},
                    // No sign from a full turn on; the short text shows the seconds' last digit.
                    TextCase{"full_turn", 360, "0° 0' 0\" ", "00 0\" 00"},
                    TextCase{"past_a_turn", 391.25, "1° 15' 0\" ", "01 0\" 15"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PositionText, ShowsTheSignOfTheLongitudeInCharactersFourToSix) {
  for (double longitude = 0; longitude < 360; longitude += 7.25) {
    const std::string text = PositionText(longitude);
    ASSERT_EQ(text.size(), 9u) << longitude;
    EXPECT_EQ(text.substr(3, 3), SignAbbreviation(SignOfLongitude(longitude))) << longitude;
  }
}

}  // namespace

// Local birth time to universal time: clock time plus the zone's correction, one hour less
// with daylight saving, whichever hemisphere the birth place lies in.
#include "core/universal_time.h"

#include <gtest/gtest.h>

#include <string>

#include "core/zone_table.h"

namespace {

struct UtCase {
  const char* name;
  int row;
  bool east, dst;
  int year, month, day, hour, minute;
  double hours;           // UniversalHours on the local date
  core::CivilTime civil;  // UniversalCivilTime
};

core::BirthValue BirthFor(const UtCase& c) {
  using namespace std::chrono;
  core::BirthValue b;
  b.offset = {core::ZoneRowOffset(c.row, c.dst), core::ZoneRowOrigin{c.row, c.dst}};
  b.longitude = {77, 0, c.east};
  b.local = local_days{year{c.year} / c.month / c.day} + hours{c.hour} + minutes{c.minute};
  return b;
}

std::string Show(const core::CivilTime& t) {
  return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) +
         " " + std::to_string(t.hour) + ":" + std::to_string(t.minute);
}

class UniversalTimeTest : public testing::TestWithParam<UtCase> {};

TEST_P(UniversalTimeTest, BothRulesGiveTheSameInstant) {
  const auto& c = GetParam();
  const core::BirthValue r = BirthFor(c);
  EXPECT_DOUBLE_EQ(core::UniversalHours(r), c.hours) << c.name;
  const core::CivilTime got = core::UniversalCivilTime(r);
  EXPECT_EQ(got, c.civil) << c.name << ": got " << Show(got) << ", expected " << Show(c.civil);
}

// Rows: 34 Indian (-5, -30), 20 CET (-1), 27 EST (+5), 29 GMT, 50 Newfoundland (+3, +30).
INSTANTIATE_TEST_SUITE_P(
    Zones, UniversalTimeTest,
    testing::Values(
        // clang-format off
        UtCase{"east_zone_east_place", 34, true, false, 1947, 8, 15, 2, 0, -3.5, {1947, 8, 14, 20, 30}},
        UtCase{"east_zone_east_place_dst", 34, true, true, 1947, 8, 15, 2, 0, -4.5, {1947, 8, 14, 19, 30}},
        UtCase{"east_zone_west_place", 20, false, false, 1990, 6, 1, 10, 0, 9, {1990, 6, 1, 9, 0}},
        UtCase{"east_zone_west_place_dst", 20, false, true, 1990, 6, 1, 10, 0, 8, {1990, 6, 1, 8, 0}},
        UtCase{"west_zone_west_place_new_year", 27, false, false, 1999, 12, 31, 23, 30, 28.5, {2000, 1, 1, 4, 30}},
        UtCase{"west_zone_west_place_new_year_dst", 27, false, true, 1999, 12, 31, 23, 30, 27.5, {2000, 1, 1, 3, 30}},
        UtCase{"west_zone_east_place", 27, true, false, 1990, 6, 1, 10, 0, 15, {1990, 6, 1, 15, 0}},
        UtCase{"west_zone_east_place_dst", 27, true, true, 1990, 6, 1, 10, 0, 14, {1990, 6, 1, 14, 0}},
        UtCase{"leap_day_back_from_March", 34, true, false, 2000, 3, 1, 2, 0, -3.5, {2000, 2, 29, 20, 30}},
        UtCase{"no_leap_day_back_from_March", 34, true, false, 2001, 3, 1, 2, 0, -3.5, {2001, 2, 28, 20, 30}},
        UtCase{"century_without_leap_day", 34, true, false, 1901, 3, 1, 2, 0, -3.5, {1901, 2, 28, 20, 30}},
        UtCase{"greenwich_dst_east", 29, true, true, 2010, 7, 1, 12, 15, 11.25, {2010, 7, 1, 11, 15}},
        UtCase{"greenwich_dst_west", 29, false, true, 2010, 7, 1, 12, 15, 11.25, {2010, 7, 1, 11, 15}},
        UtCase{"greenwich_dst_past_midnight_back", 29, false, true, 2010, 1, 1, 0, 30, -0.5, {2009, 12, 31, 23, 30}},
        UtCase{"half_hour_west_rolls_into_next_year", 50, false, false, 2049, 12, 31, 22, 45, 26.25, {2050, 1, 1, 2, 15}}  // clang-format on
        ),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SignedCoordinates, WestAndSouthAreNegative) {
  EXPECT_DOUBLE_EQ((core::GeoAngle{77, 13, false}.Signed()), -(77 + 13 / 60.0));
  EXPECT_DOUBLE_EQ((core::GeoAngle{28, 39, true}.Signed()), 28 + 39 / 60.0);
}

// An exact offset keeps its seconds in the instant; the clock's own seconds stay out.
TEST(UniversalTime, ExactOffsetCountsToTheSecond) {
  using namespace std::chrono;
  core::BirthValue b;
  b.local = local_days{1990y / May / 1} + hours{6} + seconds{59};
  b.offset = {seconds{20700}, core::ExactOrigin{}};  // +5:45
  EXPECT_DOUBLE_EQ(core::UniversalHours(b), 0.25);
  EXPECT_EQ(core::UniversalCivilTime(b), (core::CivilTime{1990, 5, 1, 0, 15}));
}

}  // namespace

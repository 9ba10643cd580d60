// The birth clock against the tz database, and its mapping onto the form's zone rows.
// Offsets quoted below are from `zdump -v` of tzdata 2026f (glibc's reader, not Qt's).
#include "places/birth_clock.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "places/clock_decision.h"
#include "places/zone_rows.h"

namespace {

namespace chr = std::chrono;
using places::ClockKind;

chr::local_seconds At(int y, unsigned mo, unsigned d, int h, int mi, int s = 0) {
  return chr::local_days(chr::year(y) / mo / d) + chr::hours(h) + chr::minutes(mi) +
         chr::seconds(s);
}

struct ClockCase {
  const char* name;
  const char* zone;
  chr::local_seconds local;
  double longitude;
  bool later;
  ClockKind kind;
  int offset;  // expected UTC offset, seconds east (unused when skipped)
  bool ahead;
  const char* row;  // expected row name; nullptr: no row fits
  bool dst;
};

class BirthClockTest : public testing::TestWithParam<ClockCase> {};

TEST_P(BirthClockTest, ClockAndRow) {
  const ClockCase& c = GetParam();
  places::BirthClocks clocks;
  const places::BirthClock clock = clocks.At(c.zone, c.local, c.longitude, c.later);
  ASSERT_EQ(clock.error, "");
  ASSERT_EQ(clock.kind, c.kind);
  const places::ClockDecision decision = places::DecideClock(clock, {c.zone, {}, c.longitude});
  if (c.kind == ClockKind::Skipped) {
    EXPECT_FALSE(clock.offsetSeconds);
    EXPECT_FALSE(decision.fit || decision.exact);
    return;
  }
  EXPECT_EQ(clock.offsetSeconds, c.offset);
  EXPECT_EQ(clock.ahead, c.ahead);
  if (c.row) {
    ASSERT_TRUE(decision.fit);
    EXPECT_EQ(places::RowName(decision.fit->row), c.row);
    EXPECT_EQ(decision.fit->dst, c.dst);
    // The row and box give back the offset in force.
    EXPECT_EQ(places::RowOffsetSeconds(decision.fit->row) + (c.dst ? 3600 : 0), c.offset);
    return;
  }
  // No row shows the clock: the birth is read on its own offset, to the second.
  ASSERT_FALSE(decision.fit);
  ASSERT_TRUE(decision.exact);
  EXPECT_EQ(decision.exact->offsetSeconds, c.offset);
}

constexpr auto N = ClockKind::Normal;
constexpr auto R = ClockKind::Repeated;

INSTANTIATE_TEST_SUITE_P(
    Tz, BirthClockTest,
    testing::Values(
        // EDT -14400 isdst=1 from 1970-04-26.
        ClockCase{"NewYorkSummer1970", "America/New_York", At(1970, 7, 1, 12, 0), -74.0, false, N,
                  -14400, true, "Eastern Standard Time", true},
        // BDST 7200 from 1944-04-02, BST 3600 around it: the summer clock sits on BST.
        ClockCase{"LondonDoubleSummer1944", "Europe/London", At(1944, 6, 6, 12, 0), -0.13, false, N,
                  7200, true, "British Summer Time", true},
        ClockCase{"LondonWinterSummerTime1944", "Europe/London", At(1944, 1, 15, 12, 0), -0.13,
                  false, N, 3600, true, "Greenwich Mean Time", true},
        // +0630 23400 isdst=1 1942-09-01 to 1945-10-14.
        ClockCase{"DelhiWarTime1943", "Asia/Kolkata", At(1943, 6, 1, 12, 0), 77.2, false, N, 23400,
                  true, "Indian Time", true},
        // GMT isdst=1 gmtoff=0 in winter, IST isdst=0 gmtoff=3600 in summer.
        ClockCase{"DublinWinter2000", "Europe/Dublin", At(2000, 1, 15, 12, 0), -6.26, false, N, 0,
                  false, "Greenwich Mean Time", false},
        ClockCase{"DublinSummer2000", "Europe/Dublin", At(2000, 7, 15, 12, 0), -6.26, false, N,
                  3600, true, "Greenwich Mean Time", true},
        // CAT 7200 isdst=0 in summer, WAT 3600 isdst=1 in winter, 1994-2017: the flag is on the
        // lower clock, as in Dublin (GMT isdst=1) and Casablanca (+00 isdst=1 in Ramadan).
        ClockCase{"WindhoekSummer1995", "Africa/Windhoek", At(1995, 1, 15, 12, 0), 17.08, false, N,
                  7200, true, "British Summer Time", true},
        // AEDT 39600 isdst=1 from 2050-10-02.
        ClockCase{"SydneySummer2050", "Australia/Sydney", At(2050, 12, 25, 12, 0), 151.2, false, N,
                  39600, true, "Australian Eastern Standard Time", true},
        // The footer rule of the zone file: EDT from 2040-03-11 and 2050-03-13.
        ClockCase{"NewYorkSummer2040", "America/New_York", At(2040, 7, 4, 12, 0), -74.0, false, N,
                  -14400, true, "Eastern Standard Time", true},
        ClockCase{"NewYorkSummer2050", "America/New_York", At(2050, 7, 4, 12, 0), -74.0, false, N,
                  -14400, true, "Eastern Standard Time", true},
        // 2021-11-07: EDT until 01:59:59, then EST from 01:00:00.
        ClockCase{"NewYorkRepeatedFirst", "America/New_York", At(2021, 11, 7, 1, 30), -74.0, false,
                  R, -14400, true, "Eastern Standard Time", true},
        ClockCase{"NewYorkRepeatedSecond", "America/New_York", At(2021, 11, 7, 1, 30), -74.0, true,
                  R, -18000, false, "Eastern Standard Time", false},
        // 2021-03-14: EST until 01:59:59, then EDT from 03:00:00.
        ClockCase{"NewYorkSkipped", "America/New_York", At(2021, 3, 14, 2, 30), -74.0, false,
                  ClockKind::Skipped, 0, false, nullptr, false},
        // MMT 19270 (+5:21:10) until 1906.
        ClockCase{"MadrasTime1903", "Asia/Kolkata", At(1903, 3, 5, 10, 5), 80.27, false, N, 19270,
                  false, nullptr, false},
        // +0545 20700 since 1986: between the +5:30 and +6:00 rows.
        ClockCase{"Kathmandu1990", "Asia/Kathmandu", At(1990, 10, 2, 3, 0), 85.32, false, N, 20700,
                  false, nullptr, false},
        // LMT 11212 (3:06:52, Riyadh's 46.72 E) until 1947-03-14: Mecca keeps its own, 2:39:18.
        ClockCase{"MeccaMeanTime1930", "Asia/Riyadh", At(1930, 5, 1, 12, 0), 39.8262, false, N,
                  9558, false, nullptr, false},
        // Kathmandu's LMT, 11 min 16 s behind IST, at the first minute of 1901.
        ClockCase{"MeanTimeAtTheFirstMinute", "Asia/Kathmandu", At(1901, 1, 1, 0, 5), 85.3167,
                  false, N, 20476, false, nullptr, false},
        // The Swiss Ephemeris's years. LMT until 1854-06-28 (5:53:28, Calcutta's): Varanasi
        // keeps its own, 83.01041 E x 240 s = 5:32:02.
        ClockCase{"VaranasiMeanTime1850", "Asia/Kolkata", At(1850, 3, 1, 6, 0), 83.01041, false, N,
                  19922, false, nullptr, false},
        // GMT from 1847-12-01.
        ClockCase{"LondonGreenwich1850", "Europe/London", At(1850, 3, 1, 6, 0), -0.12574, false, N,
                  0, false, "Greenwich Mean Time", false},
        // LMT (-4:56:02) until 1883-11-18: 74.00597 W x 240 s = -4:56:01.
        ClockCase{"NewYorkMeanTime1850", "America/New_York", At(1850, 3, 1, 6, 0), -74.00597, false,
                  N, -17761, false, nullptr, false},
        // After the zone file's last entry its rule goes on: EDT from 2100-03-14, 2399-03-13.
        ClockCase{"NewYorkSummer2100", "America/New_York", At(2100, 7, 4, 12, 0), -74.0, false, N,
                  -14400, true, "Eastern Standard Time", true},
        ClockCase{"NewYorkSummer2399", "America/New_York", At(2399, 7, 4, 12, 0), -74.0, false, N,
                  -14400, true, "Eastern Standard Time", true},
        ClockCase{"Delhi2100", "Asia/Kolkata", At(2100, 1, 1, 12, 0), 77.23, false, N, 19800, false,
                  "Indian Time", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BirthClocks, RefusesWhatItCannotAnswer) {
  places::BirthClocks clocks;
  EXPECT_NE(clocks.At("Atlantis/Capital", At(1970, 1, 1, 0, 0), 0.0).error, "");
  EXPECT_NE(clocks.At("Asia/Kolkata", At(1799, 12, 31, 23, 59), 77.0).error, "");
  EXPECT_NE(clocks.At("Asia/Kolkata", At(2400, 1, 1, 0, 0), 77.0).error, "");
  EXPECT_NE(clocks.At("Asia/Kolkata", At(1970, 1, 1, 0, 0), 181.0).error, "");
  EXPECT_EQ(clocks.At("Asia/Kolkata", At(1800, 1, 1, 0, 0), 77.0).error, "");
  EXPECT_EQ(clocks.At("Asia/Kolkata", At(2399, 12, 31, 23, 59), 77.0).error, "");
}

// A summer clock in the last December asked about still ends the next autumn: AEDT from
// 2050-10-02 to 2051-04-02, from 2399-10-02 to 2400-04-02.
TEST(BirthClocks, SummerAtTheEndOfTheYearsIsSummerTime) {
  places::BirthClocks clocks;
  for (const int year : {2050, 2399}) {
    const places::BirthClock clock = clocks.At("Australia/Sydney", At(year, 12, 25, 12, 0), 151.2);
    EXPECT_TRUE(clock.ahead.value_or(false)) << year;
    EXPECT_FALSE(clock.keptAllYear) << year;
  }
}

// Every clock change of 1800-2399 as glibc's zdump lists it: the second before and the second
// of each change must read back with zdump's offset, to the second; a forward change skips the
// local times between, a backward one repeats them.
TEST(BirthClocks, AgreesWithZdumpAtEveryChange) {
  const char* zones[] = {
      "America/New_York", "Europe/London",       "Europe/Dublin",     "Asia/Kolkata",
      "Australia/Sydney", "Australia/Lord_Howe", "Africa/Casablanca", "Africa/Windhoek",
      "Asia/Kathmandu",   "Europe/Moscow",       "Pacific/Apia",      "America/St_Johns",
      "Antarctica/Troll", "Pacific/Tongatapu",   "Pacific/Pitcairn",  "Asia/Riyadh"};
  places::BirthClocks clocks;
  for (const char* zone : zones) {
    const std::string command = std::string("zdump -v -c 1800,2400 ") + zone + " 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe) << command;
    char line[256];
    int checked = 0;
    chr::local_seconds previousLocal{};
    int previousOffset = 0, meanTime = 0;
    while (std::fgets(line, sizeof line, pipe.get())) {
      char month[4], abbr[16];
      int day, h, m, s, year, isdst, offset;
      const char* right = std::strstr(line, " = ");
      if (!right || std::sscanf(right, " = %*s %3s %d %d:%d:%d %d %15s isdst=%d gmtoff=%d", month,
                                &day, &h, &m, &s, &year, abbr, &isdst, &offset) != 9)
        continue;
      if (std::string(abbr) == "LMT") meanTime = offset;
      const std::string months = "JanFebMarAprMayJunJulAugSepOctNovDec";
      const auto local = At(year, static_cast<unsigned>(months.find(month) / 3 + 1),
                            static_cast<unsigned>(day), h, m, s);
      const bool second = ++checked % 2 == 0;  // zdump prints pairs: before, at the change
      const auto before = previousLocal;
      const int offsetBefore = previousOffset;
      previousLocal = local;
      previousOffset = offset;
      if (year < places::kFirstYear || year > places::kLastYear) continue;
      // A mean time beyond +12 h is a place west of 180 degrees keeping the eastern date.
      const double longitude = meanTime / 240.0 - (meanTime > 43200 ? 360.0 : 0.0);
      const places::BirthClock first = clocks.At(zone, local, longitude, false);
      const places::BirthClock later = clocks.At(zone, local, longitude, true);
      EXPECT_TRUE(first.offsetSeconds == offset || later.offsetSeconds == offset)
          << zone << " " << line;
      if (second && offset > offsetBefore && local - before > chr::seconds(1)) {
        EXPECT_EQ(clocks.At(zone, before + chr::seconds(1), longitude).kind, ClockKind::Skipped)
            << zone << " " << line;
      }
      if (second && offset < offsetBefore) {
        EXPECT_EQ(first.kind, ClockKind::Repeated) << zone << " " << line;
        EXPECT_EQ(first.offsetSeconds, offsetBefore) << zone << " " << line;
        EXPECT_EQ(later.offsetSeconds, offset) << zone << " " << line;
      }
    }
    EXPECT_GT(checked, 0) << zone;
  }
}

TEST(TzDataVersion, ReadsTheFirstLine) {
  const std::string path = testing::TempDir() + "tzdata_version.zi";
  std::ofstream(path) << "# version 2026f\nR d 1916 o - Ap 16 2s 1 S\n";
  EXPECT_EQ(places::TzDataVersion(path), "2026f");
  EXPECT_EQ(places::TzDataVersion(path + ".missing"), "unknown");
}

}  // namespace

// The period of birth, its Yamardhas and Dandas, and the planets that rule them.
#include "chakra/yamardha.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>

namespace {

using namespace std::chrono;
using chakra::BirthPeriod;

constexpr int kSunday = 1, kMonday = 2, kTuesday = 3, kFriday = 6;

// 5 March 2024 (a Tuesday) at the given clock time; day offsets reach the neighbours.
core::LocalTime At(int hour, int minute = 0, int second = 0, int dayOffset = 0) {
  return local_days{2024y / March / 5} + days{dayOffset} + hours{hour} + minutes{minute} +
         seconds{second};
}

// A place with sunrise at 06:00 and sunset at 18:00 every day: twelve-hour days and nights.
core::BirthRecord EquinoxRecord(core::LocalTime birth, int weekday) {
  core::BirthRecord r;
  r.PrevSunrise = At(6, 0, 0, -1);
  r.PrevSunset = At(18, 0, 0, -1);
  r.Sunrise = At(6);
  r.Sunset = At(18);
  r.NextSunrise = At(6, 0, 0, 1);
  r.NextSunset = At(18, 0, 0, 1);
  r.BirthMoment = birth;
  r.WeekdayNumber = static_cast<std::int16_t>(weekday);
  return r;
}

int Count(const auto& flags, std::size_t used) {
  return static_cast<int>(std::count(flags.begin(), flags.begin() + used, true));
}

int SetSlot(const auto& flags, std::size_t used) {
  const auto it = std::find(flags.begin(), flags.begin() + used, true);
  return it == flags.begin() + used ? -1 : static_cast<int>(it - flags.begin());
}

// The four lord operations in the pipeline's order.
void FindLords(core::BirthRecord& r, bool day) {
  chakra::SetYamardhaPeriod(r);
  day ? chakra::SetDayYamardhapati(r) : chakra::SetNightYamardhapati(r);
  chakra::SetDandaPeriod(r);
  day ? chakra::SetDayDandadhipati(r) : chakra::SetNightDandadhipati(r);
}

struct PeriodCase {
  const char* name;
  core::LocalTime birth;
  int weekday;
  BirthPeriod period;
  std::int32_t periodSeconds, elapsedSeconds;
  const char* periodName;
  int yamardha, danda;  // slots 0..7 and 0..3
  const char* yamardhapati;
  const char* dandadhipati;
};

TEST(PeriodOfBirth, TwelveHourDaysAndNights) {
  const PeriodCase cases[] = {
      {"exactly at sunrise on a Tuesday", At(6), kTuesday, BirthPeriod::Day, 43200, 0, "Dinamana",
       0, 0, "Mars", "Mars"},
      {"exactly at sunset on a Tuesday", At(18), kTuesday, BirthPeriod::Day, 43200, 43200,
       "Dinamana", 7, 3, "Mars", "Mercury"},
      {"one second after sunset on a Friday", At(18, 0, 1), kFriday, BirthPeriod::NightAfterSunset,
       43200, 1, "Ratrimana", 0, 0, "Venus", "Venus"},
      {"one second before sunrise", At(5, 59, 59), kTuesday, BirthPeriod::NightBeforeSunrise, 43200,
       43199, "Ratrimana", 7, 3, "Mars", "Mercury"},
      {"03:00 before sunrise on a Sunday", At(3), kSunday, BirthPeriod::NightBeforeSunrise, 43200,
       32400, "Ratrimana", 5, 0, "Saturn", "Saturn"},
      {"23:59:59 after sunset", At(23, 59, 59), kTuesday, BirthPeriod::NightAfterSunset, 43200,
       21599, "Ratrimana", 3, 3, "Sun", "Moon"},
  };
  for (const auto& c : cases) {
    auto r = EquinoxRecord(c.birth, c.weekday);
    const auto period = chakra::SelectPeriod(r);
    ASSERT_TRUE(period.has_value()) << c.name;
    EXPECT_EQ(*period, c.period) << c.name;
    EXPECT_EQ(r.PeriodSeconds, c.periodSeconds) << c.name;
    EXPECT_EQ(r.ElapsedSeconds, c.elapsedSeconds) << c.name;
    EXPECT_EQ(r.YamardhaSeconds, 5400) << c.name;
    EXPECT_EQ(r.SubPeriodSeconds, 1350) << c.name;
    EXPECT_EQ(r.PeriodName, c.periodName) << c.name;
    FindLords(r, chakra::IsDayPeriod(*period));
    EXPECT_EQ(SetSlot(r.YamardhaFlags, 8), c.yamardha) << c.name;
    EXPECT_EQ(SetSlot(r.DandaFlags, 4), c.danda) << c.name;
    EXPECT_EQ(Count(r.YamardhaFlags, 9), 1) << c.name;
    EXPECT_EQ(Count(r.DandaFlags, 5), 1) << c.name;
    EXPECT_EQ(r.Yamardhapati, c.yamardhapati) << c.name;
    EXPECT_EQ(r.Dandadhipati, c.dandadhipati) << c.name;
  }
}

// Far north in early summer the previous day's sunset comes after midnight.
core::BirthRecord LateSunsetRecord(core::LocalTime birth) {
  core::BirthRecord r;
  r.PrevSunrise = At(2, 10, 0, -1);
  r.PrevSunset = At(0, 40, 0);  // 00:40 on the birth date
  r.Sunrise = At(2, 8);
  r.Sunset = At(0, 42, 0, 1);
  r.NextSunrise = At(2, 6, 0, 1);
  r.BirthMoment = birth;
  r.WeekdayNumber = kTuesday;
  return r;
}

TEST(PeriodOfBirth, BeforeALateSunsetIsThePreviousDaysDaylight) {
  struct Case {
    const char* name;
    core::LocalTime birth;
    BirthPeriod period;
    std::int32_t periodSeconds, elapsedSeconds;
    const char* periodName;
  };
  const std::int32_t previousDay = (22 * 60 + 30) * 60;  // 02:10 to 00:40 the next day
  const std::int32_t shortNight = (60 + 28) * 60;        // 00:40 to 02:08
  for (const auto& c : {
           Case{"00:20, before the previous day's sunset", At(0, 20), BirthPeriod::PreviousDay,
                previousDay, previousDay - 20 * 60, "Dinamana"},
           Case{"exactly at the previous day's sunset", At(0, 40), BirthPeriod::PreviousDay,
                previousDay, previousDay, "Dinamana"},
           Case{"one second after it", At(0, 40, 1), BirthPeriod::NightBeforeSunrise, shortNight, 1,
                "Ratrimana"},
       }) {
    auto r = LateSunsetRecord(c.birth);
    const auto period = chakra::SelectPeriod(r);
    ASSERT_TRUE(period.has_value()) << c.name;
    EXPECT_EQ(*period, c.period) << c.name;
    EXPECT_EQ(r.PeriodSeconds, c.periodSeconds) << c.name;
    EXPECT_EQ(r.ElapsedSeconds, c.elapsedSeconds) << c.name;
    EXPECT_EQ(r.PeriodName, c.periodName) << c.name;
  }
}

TEST(PeriodOfBirth, AMissingTimeWritesNothing) {
  struct Case {
    const char* name;
    core::LocalTime birth;
    core::DateTime core::BirthRecord::*missing;
  };
  for (const auto& c : {
           Case{"no birth moment", At(12), &core::BirthRecord::BirthMoment},
           Case{"no sunrise", At(12), &core::BirthRecord::Sunrise},
           Case{"no sunset", At(12), &core::BirthRecord::Sunset},
           Case{"no previous sunset for a birth before sunrise", At(3),
                &core::BirthRecord::PrevSunset},
           Case{"no next sunrise for a birth after sunset", At(21),
                &core::BirthRecord::NextSunrise},
       }) {
    auto r = EquinoxRecord(c.birth, kTuesday);
    r.*c.missing = std::nullopt;
    r.PeriodSeconds = r.ElapsedSeconds = r.YamardhaSeconds = r.SubPeriodSeconds = 7;
    r.PeriodName = "kept";
    EXPECT_FALSE(chakra::SelectPeriod(r).has_value()) << c.name;
    EXPECT_EQ(r.PeriodSeconds, 7) << c.name;
    EXPECT_EQ(r.ElapsedSeconds, 7) << c.name;
    EXPECT_EQ(r.YamardhaSeconds, 7) << c.name;
    EXPECT_EQ(r.SubPeriodSeconds, 7) << c.name;
    EXPECT_EQ(r.PeriodName, "kept") << c.name;
  }
}

TEST(PeriodOfBirth, TimesTooFarApartForTheCountWriteNothing) {
  auto r = EquinoxRecord(At(12), kTuesday);
  r.Sunrise = At(6, 0, 0, -30000);  // left from a reading of long ago
  r.PeriodSeconds = 7;
  EXPECT_FALSE(chakra::SelectPeriod(r).has_value());
  EXPECT_EQ(r.PeriodSeconds, 7);
}

TEST(PeriodOfBirth, SharesRoundHalvesToEven) {
  struct Case {
    core::LocalTime sunset;
    std::int32_t yamardha, subPeriod;
  };
  for (const auto& c : {
           Case{At(18, 0, 4), 5400, 1350},   // 43204 s: 5400.5 and 1350.125
           Case{At(18, 0, 12), 5402, 1350},  // 43212 s: 5401.5 and 1350.375
           Case{At(18, 0, 16), 5402, 1350},  // 43216 s: 5402 and 1350.5
           Case{At(18, 0, 48), 5406, 1352},  // 43248 s: 5406 and 1351.5
           Case{At(18, 0, 47), 5406, 1351},  // 43247 s: 5405.875 and 1351.47
       }) {
    auto r = EquinoxRecord(At(12), kTuesday);
    r.Sunset = c.sunset;
    ASSERT_TRUE(chakra::SelectPeriod(r).has_value());
    EXPECT_EQ(r.YamardhaSeconds, c.yamardha) << "period " << r.PeriodSeconds;
    EXPECT_EQ(r.SubPeriodSeconds, c.subPeriod) << "period " << r.PeriodSeconds;
  }
}

TEST(PeriodOfBirth, ADateWithoutDaylightHoldsNoDayBirth) {
  // Where the Sun does not rise, sunrise and sunset stand at noon together; a birth at that
  // very noon opens the night, it is not a day of no length.
  auto r = EquinoxRecord(At(12), kMonday);
  r.Sunrise = r.Sunset = At(12);
  ASSERT_EQ(chakra::SelectPeriod(r), BirthPeriod::NightAfterSunset);
  EXPECT_EQ(r.PeriodName, "Ratrimana");
  EXPECT_EQ(r.PeriodSeconds, 18 * 3600);
  EXPECT_EQ(r.ElapsedSeconds, 0);
}

TEST(PeriodOfBirth, APeriodWithoutLengthStillGivesOneYamardhaAndOneDanda) {
  core::BirthRecord r;
  r.WeekdayNumber = kMonday;
  FindLords(r, true);
  EXPECT_EQ(Count(r.YamardhaFlags, 9), 1);
  EXPECT_EQ(Count(r.DandaFlags, 5), 1);
  EXPECT_EQ(r.Yamardhapati, "Moon");
  EXPECT_EQ(r.Dandadhipati, "Mercury");

  // Elapsed time past a zero-length period falls in the last Yamardha and Danda.
  core::BirthRecord late;
  late.WeekdayNumber = kMonday;
  late.ElapsedSeconds = 100;
  FindLords(late, false);
  EXPECT_EQ(SetSlot(late.YamardhaFlags, 8), 7);
  EXPECT_EQ(SetSlot(late.DandaFlags, 4), 3);
}

struct BoundaryCase {
  const char* name;
  std::int32_t elapsed;
  int yamardha, danda;
};

TEST(YamardhaAndDanda, BoundariesOfATwelveHourDay) {
  // A Yamardha boundary belongs to the earlier Yamardha, a Danda boundary to the later Danda.
  const BoundaryCase cases[] = {
      {"start", 0, 0, 0},
      {"one Danda less a second", 1349, 0, 0},
      {"one Danda", 1350, 0, 1},
      {"two Dandas less a second", 2 * 1350 - 1, 0, 1},
      {"two Dandas", 2 * 1350, 0, 2},
      {"one Yamardha", 5400, 0, 0},
      {"one Yamardha and a second", 5401, 1, 0},
      {"two Yamardhas", 2 * 5400, 1, 0},
      {"two Yamardhas and a second", 2 * 5400 + 1, 2, 0},
      {"seven Yamardhas", 7 * 5400, 6, 0},
      {"seven Yamardhas and a second", 7 * 5400 + 1, 7, 0},
      {"31 Dandas less a second", 31 * 1350 - 1, 7, 2},
      {"31 Dandas", 31 * 1350, 7, 3},
      {"the whole day", 43200, 7, 3},
  };
  for (const auto& c : cases) {
    core::BirthRecord r;
    r.WeekdayNumber = kSunday;
    r.ElapsedSeconds = c.elapsed;
    r.YamardhaSeconds = 5400;
    r.SubPeriodSeconds = 1350;
    chakra::SetYamardhaPeriod(r);
    chakra::SetDandaPeriod(r);
    EXPECT_EQ(SetSlot(r.YamardhaFlags, 8), c.yamardha) << c.name;
    EXPECT_EQ(SetSlot(r.DandaFlags, 4), c.danda) << c.name;
    EXPECT_EQ(Count(r.YamardhaFlags, 9), 1) << c.name;
    EXPECT_EQ(Count(r.DandaFlags, 5), 1) << c.name;
  }
}

// The lords of Yamardha y (1..8) and Danda d (1..4) for a birth on the weekday.
std::pair<std::string, std::string> Lords(int weekday, bool day, int y, int d) {
  core::BirthRecord r;
  r.WeekdayNumber = static_cast<std::int16_t>(weekday);
  r.YamardhaSeconds = 5400;
  r.SubPeriodSeconds = 1350;
  // The middle of the Danda, which lies inside the Yamardha.
  r.ElapsedSeconds = (y - 1) * 5400 + (d - 1) * 1350 + 675;
  FindLords(r, day);
  return {r.Yamardhapati, r.Dandadhipati};
}

TEST(YamardhaAndDanda, NamedLords) {
  struct Case {
    const char* name;
    int weekday;
    bool day;
    int yamardha, danda;
    const char* yamardhapati;
    const char* dandadhipati;
  };
  for (const auto& c : {
           Case{"Sunday day, Yamardha 2, Danda 2", kSunday, true, 2, 2, "Venus", "Mars"},
           Case{"Sunday night, Yamardha 2, Danda 2", kSunday, false, 2, 2, "Jupiter", "Mars"},
           Case{"Monday day, Yamardha 3, Danda 3", kMonday, true, 3, 3, "Jupiter", "Sun"},
           Case{"Sunday day, Yamardha 1, Danda 2", kSunday, true, 1, 2, "Sun", "Rahu"},
           Case{"Sunday day, Yamardha 4, Danda 4", kSunday, true, 4, 4, "Moon", "Mercury"},
           Case{"Tuesday day, Yamardha 8, Danda 4", kTuesday, true, 8, 4, "Mars", "Mercury"},
           Case{"Saturday day, Yamardha 6, Danda 3", 7, true, 6, 3, "Mercury", "Sun"},
           Case{"Saturday day, Yamardha 1, Danda 2", 7, true, 1, 2, "Saturn", "Mars"},
           Case{"Friday night, Yamardha 3, Danda 4", kFriday, false, 3, 4, "Saturn", "Sun"},
           Case{"Thursday night, Yamardha 7, Danda 4", 5, false, 7, 4, "Sun", "Moon"},
       }) {
    const auto [yamardhapati, dandadhipati] = Lords(c.weekday, c.day, c.yamardha, c.danda);
    EXPECT_EQ(yamardhapati, c.yamardhapati) << c.name;
    EXPECT_EQ(dandadhipati, c.dandadhipati) << c.name;
  }
}

// The tables follow rules: by day each row starts with the weekday's lord and runs on in the
// cycle Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars; by night in the cycle Sun, Jupiter,
// Moon, Venus, Mars, Saturn, Mercury; both repeat the first lord in the eighth Yamardha. The
// night Dandas are the Yamardhapati and the next three planets of the day cycle.
constexpr std::array<const char*, 7> kDayCycle = {"Sun",    "Venus",   "Mercury", "Moon",
                                                  "Saturn", "Jupiter", "Mars"};
constexpr std::array<const char*, 7> kNightCycle = {"Sun",  "Jupiter", "Moon",   "Venus",
                                                    "Mars", "Saturn",  "Mercury"};
constexpr std::array<const char*, 7> kWeekdayLords = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                      "Jupiter", "Venus", "Saturn"};

std::size_t PlaceInCycle(const std::array<const char*, 7>& cycle, const std::string& planet) {
  return static_cast<std::size_t>(
      std::find_if(cycle.begin(), cycle.end(), [&](const char* p) { return planet == p; }) -
      cycle.begin());
}

TEST(YamardhaAndDanda, TablesFollowTheirCycles) {
  for (int weekday = 1; weekday <= 7; ++weekday) {
    const std::string lord = kWeekdayLords[static_cast<std::size_t>(weekday - 1)];
    for (int y = 1; y <= 8; ++y) {
      const std::size_t step = y == 8 ? 0 : static_cast<std::size_t>(y - 1);
      const std::string day = kDayCycle[(PlaceInCycle(kDayCycle, lord) + step) % 7];
      const std::string night = kNightCycle[(PlaceInCycle(kNightCycle, lord) + step) % 7];
      EXPECT_EQ(Lords(weekday, true, y, 1).first, day) << "weekday " << weekday << " day Y" << y;
      EXPECT_EQ(Lords(weekday, false, y, 1).first, night)
          << "weekday " << weekday << " night Y" << y;
      for (int d = 1; d <= 4; ++d) {
        const std::string expected =
            kDayCycle[(PlaceInCycle(kDayCycle, night) + static_cast<std::size_t>(d - 1)) % 7];
        EXPECT_EQ(Lords(weekday, false, y, d).second, expected)
            << "weekday " << weekday << " night Y" << y << " D" << d;
      }
    }
  }
}

TEST(YamardhaAndDanda, AnyOtherNameTakesTheMarsRow) {
  // Names compare exactly; by day the Mars row is Mars, Sun, Rahu, Mercury.
  const std::array<const char*, 4> marsRow = {"Mars", "Sun", "Rahu", "Mercury"};
  for (const char* yamardhapati : {"Mars", "Rahu", "sun", ""}) {
    for (std::size_t q = 0; q < 4; ++q) {
      core::BirthRecord r;
      r.Yamardhapati = yamardhapati;
      r.DandaFlags[q] = true;
      chakra::SetDayDandadhipati(r);
      EXPECT_EQ(r.Dandadhipati, marsRow[q]) << "'" << yamardhapati << "' Danda " << q + 1;
    }
  }
}

TEST(YamardhaAndDanda, AWeekdayOutsideTheTableLeavesTheLordAsItWas) {
  core::BirthRecord r;
  r.WeekdayNumber = 0;
  r.Yamardhapati = "kept";
  r.YamardhaFlags[2] = true;
  chakra::SetDayYamardhapati(r);
  EXPECT_EQ(r.Yamardhapati, "kept");
  r.WeekdayNumber = 8;
  chakra::SetNightYamardhapati(r);
  EXPECT_EQ(r.Yamardhapati, "kept");
}

}  // namespace

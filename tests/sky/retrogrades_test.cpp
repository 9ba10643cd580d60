#include "sky/retrogrades.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "sky/station_tables.h"

namespace {

using namespace std::chrono;
using sky::IsRetrograde;

struct Station {
  sys_days date;
  sys_seconds moment;
};

// Reads "month,day,year,hour,minute," strictly: five whole numbers without leading zeros,
// each followed by a comma, nothing after the last comma.
std::optional<Station> ParseStation(std::string_view row) {
  int f[5];
  for (int& field : f) {
    const auto comma = row.find(',');
    if (comma == std::string_view::npos || comma == 0 || (row[0] == '0' && comma > 1)) return {};
    field = 0;
    for (char ch : row.substr(0, comma)) {
      if (ch < '0' || ch > '9') return {};
      field = field * 10 + (ch - '0');
    }
    row.remove_prefix(comma + 1);
  }
  const year_month_day date{year{f[2]}, month{unsigned(f[0])}, day{unsigned(f[1])}};
  if (!row.empty() || f[0] > 12 || f[1] > 31 || !date.ok() || f[3] > 23 || f[4] > 59) return {};
  return Station{sys_days{date}, sys_days{date} + hours{f[3]} + minutes{f[4]}};
}

const sky::StationTable& Table(std::string_view planet) {
  for (const auto& t : sky::StationTables())
    if (t.planet == planet) return t;
  throw std::out_of_range(std::string(planet));
}

TEST(Retrogrades, StationDaysAndSampleDates) {
  struct Row {
    const char* name;
    std::string_view planet;
    year_month_day date;
    bool retrograde;
  };
  const Row rows[] = {
      {"Mercury turns retrograde 15 Mar 1900", "Mercury", 1900y / March / 15, false},
      {"day after the retrograde station", "Mercury", 1900y / March / 16, true},
      {"day before the direct station", "Mercury", 1900y / April / 6, true},
      {"Mercury turns direct 7 Apr 1900", "Mercury", 1900y / April / 7, false},
      {"Mercury 1 Mar 2000", "Mercury", 2000y / March / 1, true},
      {"Jupiter 1 Dec 2000", "Jupiter", 2000y / December / 1, true},
      {"Saturn 1 Dec 2000", "Saturn", 2000y / December / 1, true},
      {"Venus inside its 2001 period", "Venus", 2001y / April / 1, true},
      {"Mars inside its 2001 period", "Mars", 2001y / June / 15, true},
      {"Jupiter inside its last period", "Jupiter", 2051y / April / 20, true},
      {"Jupiter's last direct station", "Jupiter", 2051y / April / 21, false},
      {"Mercury in 1899", "Mercury", 1899y / December / 31, false},
      {"Saturn in 2052", "Saturn", 2052y / June / 1, false},
      {"not a planet the tables know", "Sun", 2000y / March / 1, false},
      {"names are case-sensitive", "mercury", 2000y / March / 1, false},
      {"no such date", "Mercury", 2000y / February / 30, false},
  };
  for (const Row& row : rows)
    EXPECT_EQ(IsRetrograde(row.date, row.planet), row.retrograde) << row.name;
}

core::BirthRecord RecordOn(year_month_day date) {
  core::BirthRecord r;
  r.BodyNames = {"Sun",     "Moon",   "Mercury", "Venus", "Mars",
                 "Jupiter", "Saturn", "Rahu",    "Ketu",  "Asc"};
  r.BirthYear = static_cast<std::int16_t>(int(date.year()));
  r.BirthMonth = static_cast<std::int16_t>(unsigned(date.month()));
  r.BirthDay = static_cast<std::int16_t>(unsigned(date.day()));
  r.BirthHour = 23;
  r.BirthMinute = 59;
  return r;
}

TEST(Retrogrades, MarksJupiterAndSaturnTogether) {
  core::BirthRecord r = RecordOn(2000y / December / 1);
  sky::MarkRetrogrades(r);
  const std::array<std::string, 10> expected = {"Sun",  "Moon",         "Mercury",     "Venus",
                                                "Mars", "Jupiter (R) ", "Saturn (R) ", "Rahu",
                                                "Ketu", "Asc"};
  EXPECT_EQ(r.BodyNames, expected);
}

TEST(Retrogrades, MarksDoNotAccumulateOverReadings) {
  core::BirthRecord r = RecordOn(2000y / March / 1);
  sky::MarkRetrogrades(r);
  EXPECT_EQ(r.BodyNames[2], "Mercury (R) ");
  r.BodyNames = RecordOn(2000y / March / 1).BodyNames;  // the next reading rewrites the names
  sky::MarkRetrogrades(r);
  EXPECT_EQ(r.BodyNames[2], "Mercury (R) ");
}

// std::chrono keeps a month in a byte: 259 must not read as March.
TEST(Retrogrades, OutOfRangeRecordDateMarksNothing) {
  core::BirthRecord r = RecordOn(2000y / March / 1);
  r.BirthMonth = 259;
  const auto names = r.BodyNames;
  sky::MarkRetrogrades(r);
  EXPECT_EQ(r.BodyNames, names);
}

TEST(Retrogrades, NoMarksOutsideTheTables) {
  for (int y : {1899, 2052}) {
    for (sys_days d = sys_days{year{y} / January / 1}; d <= sys_days{year{y} / December / 31};
         d += days{1}) {
      core::BirthRecord r = RecordOn(year_month_day{d});
      const auto names = r.BodyNames;
      sky::MarkRetrogrades(r);
      ASSERT_EQ(r.BodyNames, names) << "day " << d.time_since_epoch().count();
    }
  }
}

struct Expectation {
  std::string_view planet;
  std::size_t rows;
  int minDays, maxDays;
};
constexpr Expectation kExpected[] = {{"Mercury", 476, 19, 24},
                                     {"Venus", 95, 40, 43},
                                     {"Mars", 71, 59, 81},
                                     {"Jupiter", 139, 116, 124},
                                     {"Saturn", 146, 133, 141}};

// The whole of every table: size, strict row format, strict interleaving of the stations
// and plausible period lengths.
TEST(Retrogrades, TablesAreWellFormed) {
  const auto tables = sky::StationTables();
  ASSERT_EQ(tables.size(), 5u);
  for (std::size_t p = 0; p < tables.size(); ++p) {
    const auto& t = tables[p];
    const Expectation& e = kExpected[p];
    ASSERT_EQ(t.planet, e.planet);
    ASSERT_EQ(t.retrograde.size(), e.rows) << e.planet;
    ASSERT_EQ(t.direct.size(), e.rows) << e.planet;
    std::optional<sys_seconds> previousDirect;
    for (std::size_t i = 0; i < e.rows; ++i) {
      const auto s = ParseStation(t.retrograde[i]);
      const auto d = ParseStation(t.direct[i]);
      ASSERT_TRUE(s && d) << e.planet << " row " << i << ": " << t.retrograde[i] << " / "
                          << t.direct[i];
      EXPECT_LT(s->moment, d->moment) << e.planet << " row " << i;
      if (previousDirect) {
        EXPECT_LT(*previousDirect, s->moment) << e.planet << " row " << i;
      }
      previousDirect = d->moment;
      const double length = duration<double, days::period>(d->moment - s->moment).count();
      EXPECT_GE(length, e.minDays - 1) << e.planet << " row " << i;
      EXPECT_LE(length, e.maxDays + 1) << e.planet << " row " << i;
    }
  }
}

TEST(Retrogrades, ReferencePeriodsAtTheirRows) {
  struct Row {
    std::string_view planet;
    std::size_t row;
    std::string_view retrograde, direct;
  };
  const Row rows[] = {
      {"Mercury", 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
      {"Mercury", 315, "2,21,2000,0,39,", "3,14,2000,20,28,"},
      {"Mercury", 475, "12,1,2050,17,17,", "12,21,2050,11,33,"},
      {"Venus", 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
      {"Venus", 63, "3,9,2001,1,36,", "4,20,2001,5,21,"},
      {"Venus", 94, "9,25,2050,22,15,", "11,6,2050,19,4,"},
      {"Mars", 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
      {"Mars", 47, "5,11,2001,14,4,", "7,19,2001,21,22,"},
      {"Mars", 70, "7,15,2050,5,50,", "9,13,2050,9,41,"},
      {"Jupiter", 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
      {"Jupiter", 92, "9,29,2000,0,45,", "1,25,2001,14,49,"},
      {"Jupiter", 138, "12,21,2050,13,21,", "4,21,2051,23,46,"},
      {"Saturn", 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
      {"Saturn", 97, "9,12,2000,10,33,", "1,24,2001,23,10,"},
      {"Saturn", 145, "5,18,2050,13,6,", "10,6,2050,11,5,"},
  };
  for (const Row& row : rows) {
    const auto& t = Table(row.planet);
    ASSERT_LT(row.row, t.retrograde.size()) << row.planet;
    EXPECT_EQ(t.retrograde[row.row], row.retrograde) << row.planet << " row " << row.row;
    EXPECT_EQ(t.direct[row.row], row.direct) << row.planet << " row " << row.row;
  }
}

// The lookup agrees with a plain walk over every row, on every day the tables cover and a
// year either side.
TEST(Retrogrades, LookupAgreesWithScanOfEveryRow) {
  for (const Expectation& e : kExpected) {
    const auto& t = Table(e.planet);
    std::vector<std::pair<sys_days, sys_days>> periods;
    for (std::size_t i = 0; i < t.retrograde.size(); ++i)
      periods.emplace_back(ParseStation(t.retrograde[i])->date, ParseStation(t.direct[i])->date);
    int retrogradeDays = 0;
    for (sys_days d = sys_days{1899y / January / 1}; d <= sys_days{2052y / December / 31};
         d += days{1}) {
      bool scanned = false;
      for (const auto& [s, end] : periods) scanned = scanned || (s < d && d < end);
      retrogradeDays += scanned;
      ASSERT_EQ(IsRetrograde(year_month_day{d}, e.planet), scanned)
          << e.planet << " on day " << d.time_since_epoch().count();
    }
    EXPECT_GT(retrogradeDays, 0) << e.planet;
  }
}

}  // namespace

// The reading with the Swiss Ephemeris, through the dump as the program runs it: its sunrise
// and sunset against the library's own swe_rise_trans (same flags, within a minute), its day
// or night and lords against the built-in formulas where both agree on the sun.
#include <gtest/gtest.h>
#include <swephexp.h>

#include <chrono>
#include <cmath>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "reading-dump/dump_line.h"
#include "tests/swiss/swiss_check.h"

namespace {

using namespace std::chrono;
using nlohmann::json;

struct SunBirth {
  const char* name;
  swisscheck::Birth birth;
  bool lordsAsBuiltIn;  // both calculations put the birth in the same period, far from its edges
  const char* period;   // Dinamana or Ratrimana
};

// Near the polar circles a summer sunset falls after local midnight: the day opened by the
// sunrise closes on the next date.
// clang-format off
const SunBirth kSunBirths[] = {
    {"Fairbanks, 00:20 before the sunset", {2000, 6, 22, 0, 20, -480, 64 * 60 + 50,
     -(147 * 60 + 43), {}}, true, "Dinamana"},
    {"Fairbanks, noon", {2000, 6, 22, 12, 0, -480, 64 * 60 + 50, -(147 * 60 + 43), {}},
     true, "Dinamana"},
    {"Reykjavik, 00:01 before the sunset", {2000, 6, 21, 0, 1, 0, 64 * 60 + 9, -(21 * 60 + 57),
     {}}, false, "Dinamana"},
    {"Reykjavik, evening, disc centre", {2000, 6, 20, 22, 0, 0, 64 * 60 + 9, -(21 * 60 + 57),
     {core::Ayanamsa::Raman, core::Node::True, core::SunriseRule::DiscCentre}}, false, "Dinamana"},
    {"Anchorage, after a sunset before midnight", {2000, 6, 21, 23, 55, -480, 61 * 60 + 13,
     -(149 * 60 + 54), {}}, true, "Ratrimana"},
};
// clang-format on

TEST(SwissReading, SunsetAfterMidnightClosesTheDay) {
  for (const SunBirth& row : kSunBirths) {
    SCOPED_TRACE(row.name);
    core::BirthRecord swissRecord, builtInRecord;
    const json swiss =
        json::parse(dump::ProcessLine(swisscheck::Line(row.birth, true), swissRecord));
    ASSERT_TRUE(swiss.value("accepted", false)) << swiss.dump();
    const json& r = swiss["record"];
    EXPECT_EQ(r["PeriodName"], row.period);
    // Each date's pair: the previous date's, the birth date's and the next date's.
    const local_days birthDate{year{row.birth.year} / row.birth.month / row.birth.day};
    const struct {
      const char *rise, *set;
      int date;
    } pairs[] = {{"PrevSunrise", "PrevSunset", -1},
                 {"Sunrise", "Sunset", 0},
                 {"NextSunrise", "NextSunset", 1}};
    for (const auto& pair : pairs) {
      if (r[pair.rise].is_null()) continue;
      const auto want = swisscheck::LibrarySun(row.birth, birthDate + days{pair.date});
      for (const auto& [key, time] : {std::pair{pair.rise, want.rise}, {pair.set, want.set}}) {
        const auto got = swisscheck::ParseLocal(r[key].get<std::string>());
        ASSERT_TRUE(got && time) << key << " " << r[key];
        EXPECT_LE(std::abs((*got - *time).count()), 60) << key << " " << r[key];
      }
    }
    if (!row.lordsAsBuiltIn) continue;
    const json builtIn =
        json::parse(dump::ProcessLine(swisscheck::Line(row.birth, false), builtInRecord));
    for (const char* key : {"PeriodName", "Yamardhapati", "Dandadhipati"})
      EXPECT_EQ(r[key], builtIn["record"][key]) << key;
  }
}

}  // namespace

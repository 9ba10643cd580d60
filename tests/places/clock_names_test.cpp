// The zone list's extra entry is named for what the clock was. Each row's offset is checked
// against zdump (glibc's reader of the same tz database) before the name is checked, so a
// database that changes a clock fails here by its offset rather than by a wrong name.
#include "places/clock_names.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "places/birth_clock.h"
#include "places/clock_decision.h"

namespace {

namespace chr = std::chrono;

// The offset zdump gives `zone` from the last change of clock before 1 January of `year`.
std::optional<int> ZdumpOffsetBefore(const std::string& zone, int year) {
  const std::string command = "zdump -v -c 1800," + std::to_string(year) + " " + zone;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return std::nullopt;
  std::optional<int> offset;
  char line[512];
  while (fgets(line, sizeof line, pipe.get())) {
    const char* at = std::strstr(line, "gmtoff=");
    if (at) offset = std::atoi(at + 7);
  }
  return offset;
}

struct Named {
  const char* name;
  const char* place;
  const char* zone;
  double longitude;  // the atlas's
  int year;          // the birth is on 1 March at noon
  int offset;        // as zdump gives it, or the place's mean time where zdump says LMT
  const char* entry;
};

void PrintTo(const Named& n, std::ostream* os) {
  *os << n.name;
}

class ClockEntryName : public testing::TestWithParam<Named> {};

TEST_P(ClockEntryName, NamedForWhatTheClockWas) {
  const Named& n = GetParam();
  const auto local = chr::local_days(chr::year(n.year) / 3 / 1) + chr::hours(12);
  const places::BirthClock clock = places::BirthClocks().At(n.zone, local, n.longitude);
  ASSERT_EQ(clock.error, "");
  if (!clock.localMeanTime) {
    EXPECT_EQ(ZdumpOffsetBefore(n.zone, n.year), n.offset);
  }
  const places::ClockDecision d = places::DecideClock(clock, {n.zone, n.place, n.longitude});
  ASSERT_TRUE(d.exact);
  EXPECT_EQ(d.exact->offsetSeconds, n.offset);
  EXPECT_EQ(d.exact->entryText, n.entry);
}

INSTANTIATE_TEST_SUITE_P(TzDatabase, ClockEntryName,
                         testing::Values(Named{"VaranasiOnMadrasTime", "Varanasi", "Asia/Kolkata",
                                               83.0, 1900, 19270, "Madras time, UTC+5:21:10"},
                                         Named{"MadrasOnItsOwnTime", "Madras", "Asia/Kolkata",
                                               80.27847, 1905, 19270, "Madras time, UTC+5:21:10"},
                                         Named{"DelhiOnHowrahTime", "Delhi", "Asia/Kolkata", 77.23,
                                               1860, 21200, "Howrah time, UTC+5:53:20"},
                                         Named{"DhakaOnHowrahTime", "Dhaka", "Asia/Dhaka", 90.41,
                                               1930, 21200, "Howrah time, UTC+5:53:20"},
                                         Named{"KandyOnMoratuwaTime", "Kandy", "Asia/Colombo",
                                               80.64, 1900, 19172, "Moratuwa time, UTC+5:19:32"},
                                         Named{"VaranasiMeanTime", "Varanasi", "Asia/Kolkata", 83.0,
                                               1850, 19920,
                                               "local mean time of Varanasi, UTC+5:32"},
                                         Named{"PokharaOnNepalTime", "Pokhara", "Asia/Kathmandu",
                                               83.99, 1990, 20700, "Kathmandu clock, UTC+5:45"},
                                         // +1345 isdst=1 gmtoff=49500 in the southern summer.
                                         Named{"ChathamZoneCity", "Waitangi", "Pacific/Chatham",
                                               -176.56, 2001, 49500, "Chatham clock, UTC+13:45"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace

#include "places/clock_status.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/form_entries.h"

namespace places {

namespace chr = std::chrono;

std::string DateText(chr::local_days day) {
  const chr::year_month_day ymd(day);
  return std::to_string(static_cast<unsigned>(ymd.day())) + " " +
         std::string(core::MonthName(static_cast<int>(static_cast<unsigned>(ymd.month())))) + " " +
         std::to_string(static_cast<int>(ymd.year()));
}

std::string TimeText(chr::local_seconds t) {
  const chr::hh_mm_ss hms(t - chr::floor<chr::days>(t));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", static_cast<int>(hms.hours().count()),
                static_cast<int>(hms.minutes().count()));
  std::string text = buf;
  if (hms.seconds().count() != 0) {
    std::snprintf(buf, sizeof buf, ":%02d", static_cast<int>(hms.seconds().count()));
    text += buf;
  }
  return text;
}

namespace {

// Winter is October to March north of the equator, April to September south of it.
bool InWinter(chr::local_seconds t, double latitudeNorth) {
  const auto month = static_cast<unsigned>(chr::year_month_day(chr::floor<chr::days>(t)).month());
  const bool northernSummer = month >= 4 && month <= 9;
  return latitudeNorth >= 0 ? !northernSummer : northernSummer;
}

// What people called the clock: "standard time", "summer time", "double summer time", "war
// time, kept all year", "winter time". A clock ahead for less than a year outside war time was
// ahead in the summer; one kept ahead longer, or in war time, is not called summer time.
// `brief` leaves out how long the clock was kept.
std::string ClockKindText(const BirthClock& clock, const ClockQuestion& q, bool brief = false) {
  if (clock.localMeanTime) return "local mean time";
  if (clock.behind) {
    // Dublin's and Windhoek's winter clocks have names (GMT, WAT); Casablanca's clock set back
    // in Ramadan, whatever the season, has none.
    const bool named = !clock.abbreviation.empty() && clock.abbreviation.front() != '+' &&
                       clock.abbreviation.front() != '-';
    return named && InWinter(q.local, q.latitudeNorth) ? "winter time"
                                                       : "set back from the usual clock";
  }
  if (!clock.ahead.value_or(false)) return "standard time";
  if (clock.aheadSeconds >= 7200) return "double summer time";
  if (clock.warTime) return clock.keptAllYear && !brief ? "war time, kept all year" : "war time";
  if (clock.keptAllYear)
    return brief ? "ahead of standard time" : "ahead of standard time all year";
  if (clock.aheadSeconds == 3600) return "summer time";
  return "summer time, " + std::to_string(clock.aheadSeconds / 60) + " minutes ahead";
}

// "clocks were UTC+6:30 (war time, kept all year)", "local mean time of Kathmandu,
// UTC+5:41:17".
std::string ClockText(const BirthClock& clock, const ClockQuestion& q) {
  if (clock.localMeanTime)
    return "no common clock yet: local mean time of " + std::string(q.place) + ", " +
           UtcOffsetText(*clock.offsetSeconds);
  return "clocks were " + UtcOffsetText(*clock.offsetSeconds) + " (" + ClockKindText(clock, q) +
         ")";
}

}  // namespace

std::string UtcOffsetText(int offsetSeconds) {
  // In long long, so that no int (not even the smallest) overflows when negated.
  const long long magnitude = std::llabs(static_cast<long long>(offsetSeconds));
  char buf[40];
  std::snprintf(buf, sizeof buf, "UTC%c%lld:%02lld", offsetSeconds < 0 ? '-' : '+',
                magnitude / 3600, magnitude / 60 % 60);
  std::string text = buf;
  if (magnitude % 60 != 0) {
    std::snprintf(buf, sizeof buf, ":%02lld", magnitude % 60);
    text += buf;
  }
  return text;
}

std::string ClockStatus(const ClockQuestion& q, const BirthClock& clock) {
  const std::string head = std::string(q.place) + ", " + DateText(chr::floor<chr::days>(q.local)) +
                           " " + TimeText(q.local) + ": ";
  const std::string source =
      "; tz database " + std::string(q.tzVersion) + ", " + std::string(q.zoneId);
  if (!clock.error.empty()) return head + clock.error;
  const chr::local_seconds change{chr::seconds(clock.changeUtc)};
  const auto before = change + chr::seconds(clock.offsetBeforeSeconds);
  const auto after = change + chr::seconds(clock.offsetAfterSeconds);
  if (clock.kind == ClockKind::Skipped) {
    const auto meant = q.local + chr::seconds(clock.offsetAfterSeconds - clock.offsetBeforeSeconds);
    return head + "this time did not exist there: clocks went from " + TimeText(before) + " to " +
           TimeText(after) + "; most likely it means " + TimeText(meant) + " (" +
           UtcOffsetText(clock.offsetAfterSeconds) + ")" + source;
  }
  std::string text = head;
  if (clock.kind == ClockKind::Repeated)
    text += "this time happened twice there, as clocks went back from " + TimeText(before) +
            " to " + TimeText(after) + "; taken as the " + (clock.later ? "second" : "first") +
            ", ";
  return text + ClockText(clock, q) + source;
}

std::string ClockSummary(const ClockQuestion& q, const BirthClock& clock) {
  if (!clock.error.empty() || !clock.offsetSeconds) return {};
  return UtcOffsetText(*clock.offsetSeconds) + ", " + ClockKindText(clock, q, true) + ", " +
         std::string(q.zoneId);
}

}  // namespace places

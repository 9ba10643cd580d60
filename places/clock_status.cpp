#include "places/clock_status.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/form_entries.h"

namespace places {

namespace {

namespace chr = std::chrono;

// "1 June 1943".
std::string DateText(chr::local_days day) {
  const chr::year_month_day ymd(day);
  return std::to_string(static_cast<unsigned>(ymd.day())) + " " +
         std::string(core::MonthName(static_cast<int>(static_cast<unsigned>(ymd.month())))) + " " +
         std::to_string(static_cast<int>(ymd.year()));
}

// "12:00", or "12:00:30" when the seconds are not zero or `withSeconds`.
std::string TimeText(chr::local_seconds t, bool withSeconds) {
  const chr::hh_mm_ss hms(t - chr::floor<chr::days>(t));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", static_cast<int>(hms.hours().count()),
                static_cast<int>(hms.minutes().count()));
  std::string text = buf;
  if (withSeconds || hms.seconds().count() != 0) {
    std::snprintf(buf, sizeof buf, ":%02d", static_cast<int>(hms.seconds().count()));
    text += buf;
  }
  return text;
}

std::string DateTimeText(chr::local_seconds t) {
  return DateText(chr::floor<chr::days>(t)) + " " + TimeText(t, false);
}

// The converted time, with its date only when the date changed: "10:13:50", "1 January 1906
// 00:03:50".
std::string ConvertedText(chr::local_seconds from, chr::local_seconds to) {
  if (chr::floor<chr::days>(from) == chr::floor<chr::days>(to)) return TimeText(to, true);
  return DateText(chr::floor<chr::days>(to)) + " " + TimeText(to, true);
}

bool IsName(const std::string& abbreviation) {
  return !abbreviation.empty() && abbreviation.front() != '+' && abbreviation.front() != '-';
}

// "UTC-4:00 EDT" or, for a place's own mean time, "UTC+2:39:18, local mean time at 39.83° E".
std::string ClockText(const BirthClock& clock, double longitudeEast) {
  std::string text = UtcOffsetText(*clock.offsetSeconds);
  if (clock.localMeanTime) {
    char buf[48];
    std::snprintf(buf, sizeof buf, ", local mean time at %.2f\u00b0 %c", std::abs(longitudeEast),
                  longitudeEast < 0 ? 'W' : 'E');
    return text + buf;
  }
  if (IsName(clock.abbreviation)) text += " " + clock.abbreviation;
  return text;
}

std::string RowText(const BirthClock& clock, const RowChoice& choice, chr::local_seconds local) {
  if (choice.fit) {
    std::string text =
        std::string(clock.ahead.value_or(false) ? "summer clock: " : "standard clock: ") +
        std::string(RowName(choice.fit->row));
    if (choice.fit->dst) text += " with Daylight Saving Time";
    return text;
  }
  if (!choice.conversion) return {};
  const Conversion& c = *choice.conversion;
  const std::string row(RowName(c.row));
  if (c.outOfRange)
    return "no zone row shows this clock, and on " + row + " this instant falls outside 1901-2050";
  std::string text = "no zone row shows this clock; " + TimeText(local, true) + " here is " +
                     ConvertedText(local, c.local) + " " + row;
  if (c.secondsDropped) text += " (the chart drops the seconds)";
  return text;
}

}  // namespace

std::string UtcOffsetText(int offsetSeconds) {
  const int magnitude = std::abs(offsetSeconds);
  char buf[24];
  std::snprintf(buf, sizeof buf, "UTC%c%d:%02d", offsetSeconds < 0 ? '-' : '+', magnitude / 3600,
                magnitude / 60 % 60);
  std::string text = buf;
  if (magnitude % 60 != 0) {
    std::snprintf(buf, sizeof buf, ":%02d", magnitude % 60);
    text += buf;
  }
  return text;
}

std::string ClockStatus(const ClockQuestion& q, const BirthClock& clock, const RowChoice& choice) {
  std::string text = std::string(q.place) + ", " + DateTimeText(q.local) + ", per " +
                     std::string(q.zoneId) + " (tz " + std::string(q.tzVersion) + "): ";
  if (!clock.error.empty()) return text + clock.error;
  if (clock.kind == ClockKind::Skipped)
    return text + "this clock time did not exist there that day (clocks went forward from " +
           UtcOffsetText(clock.offsetBeforeSeconds) + " to " +
           UtcOffsetText(clock.offsetAfterSeconds) + ")";
  if (clock.kind == ClockKind::Repeated)
    text += std::string("happened twice (clocks went back from ") +
            UtcOffsetText(clock.offsetBeforeSeconds) + " to " +
            UtcOffsetText(clock.offsetAfterSeconds) + "); the " +
            (clock.later ? "second: " : "first: ");
  return text + ClockText(clock, q.longitudeEast) + ", " + RowText(clock, choice, q.local);
}

}  // namespace places

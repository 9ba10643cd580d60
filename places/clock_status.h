#pragma once
// The status sentence that tells, in the words people use for clocks, what clock a birth time
// was read on and on what that rests; and the short form of it for the result and the page.
// Shared by the form and the command-line lookup.

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/words.h"
#include "places/zone_rows.h"
#include "places/zone_timeline.h"

namespace places {

struct ClockQuestion {
  std::string_view place;  // as the user knows it: "Delhi", "Bombay"
  std::chrono::local_seconds local;
  std::string_view zoneId;     // "Asia/Kolkata"
  std::string_view tzVersion;  // TzDataVersion()
  double longitudeEast = 0.0;
  double latitudeNorth = 0.0;  // which half of the year is summer
};

// E.g. "Delhi, 15 December 1943 12:00: clocks were UTC+6:30 (war time, kept all year); tz
// database 2026f, Asia/Kolkata". A time that did not exist says between which clock times the
// clocks jumped and the moment most likely meant; a repeated one that it happened twice and
// which was taken. No row, box or abbreviation is named.
std::string ClockStatus(const ClockQuestion& question, const BirthClock& clock);
// The same sentence as words: whole templates for the windows to translate.
core::Words ClockStatusWords(const ClockQuestion& question, const BirthClock& clock);

// The clock used, for the result's details and the page: "UTC+6:30, war time, Asia/Kolkata",
// "UTC+5:41:17, local mean time, Asia/Kathmandu". Empty for a skipped time or an error.
std::string ClockSummary(const ClockQuestion& question, const BirthClock& clock);

// How an offset is written: the form's and the status's short hours, or the page's two-digit
// hours with a true minus sign, as a table of times sets them.
enum class OffsetStyle : std::uint8_t { Short, Page };

// Short: "UTC+5:30", "UTC-5:00", "UTC+5:21:10". Page: "UTC+05:30", "UTC−05:00", "UTC+05:21:10".
std::string UtcOffsetText(int offsetSeconds, OffsetStyle style = OffsetStyle::Short);

// "1 June 1943".
std::string DateText(std::chrono::local_days day);
// The same as words: "%1 %2 %3" with the month's name to translate.
core::Words DateWords(std::chrono::local_days day);
// "12:00", or "12:00:30" when the seconds are not zero.
std::string TimeText(std::chrono::local_seconds t);

}  // namespace places

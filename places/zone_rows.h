#pragma once
// The birth clock mapped onto the form's 71 zone rows and its one-hour daylight-saving box.
// Plain C++. A row's offset is the UTC offset its name shows, east positive: minus the
// correction the row stores (core/zone_table.h).

#include <chrono>
#include <optional>
#include <string_view>

#include "places/zone_timeline.h"

namespace places {

struct RowFit {
  int row;   // index into core::ZoneTable()
  bool dst;  // tick the daylight-saving box (one hour ahead of the row)
};

// The row that shows a clock exactly:
//  1. the clock runs ahead, and a row's offset is one hour less: that row, box ticked;
//  2. otherwise a row whose offset is the whole offset: that row, box empty;
//  3. among rows of equal offset, the one whose abbreviation is `standardAbbreviation`,
//     else the first in list order.
// Empty when no row fits (Madras time +5:21:10, Nepal +5:45, local mean time).
std::optional<RowFit> FitRow(int offsetSeconds, bool ahead, std::string_view standardAbbreviation);

// To be removed once the form and place-lookup read DecideClock (places/clock_decision.h),
// which reads a clock no row shows on its own offset instead of converting the birth time.
// The same instant on the clock of the row nearest in offset (on a tie the smaller offset;
// among equal rows as in FitRow), box empty: "10:05:00 at UTC+5:21:10 is 10:13:50 Indian Time".
struct Conversion {
  int row;
  std::chrono::local_seconds local;  // on the row's clock
  bool secondsDropped;               // the chart takes hours and minutes only
  bool outOfRange;                   // the converted year leaves 1901..2050: refused
};
Conversion NearestRowConversion(std::chrono::local_seconds local, int offsetSeconds,
                                std::string_view standardAbbreviation = {});

// To be removed with NearestRowConversion: DecideClock gives the row or the exact offset.
// What the form should show for a birth clock: a fitting row, or else a conversion. Both are
// empty for a skipped clock time or an error.
struct RowChoice {
  std::optional<RowFit> fit;
  std::optional<Conversion> conversion;
};
RowChoice ChooseRow(const BirthClock& clock, std::chrono::local_seconds local);

// A row's offset east of UTC in seconds, its name ("Indian Time") and its abbreviation ("IST"),
// read from the row's text and stored correction.
int RowOffsetSeconds(int row);
std::string_view RowName(int row);
std::string_view RowAbbreviation(int row);

}  // namespace places

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

// A row's offset east of UTC in seconds, its name ("Indian Time") and its abbreviation ("IST"),
// read from the row's text and stored correction.
int RowOffsetSeconds(int row);
std::string_view RowName(int row);
std::string_view RowAbbreviation(int row);

}  // namespace places

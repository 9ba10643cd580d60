#pragma once
// The name of a clock that none of the zone list's rows shows: the mean time of a city the
// zone's history names, the place's own mean time, or else the zone's clock named for the
// zone's city. Plain C++.

#include <string_view>

#include "core/words.h"

namespace places {

// Where the clock was kept: the zone id ("Asia/Kolkata"), the place as the person knows it
// ("Varanasi") and its longitude (east positive degrees).
struct ClockPlace {
  std::string_view zoneId;
  std::string_view name;
  double longitudeEast = 0.0;
};

// The zone list's extra entry for `offsetSeconds` kept at `place`: "Madras time, UTC+5:21:10",
// "local mean time of Varanasi, UTC+5:32:02", "Kathmandu clock, UTC+5:45". `localMeanTime`
// says the tz database gives the place's own mean time there (its "LMT").
core::Words ClockEntryWords(int offsetSeconds, const ClockPlace& place, bool localMeanTime);

}  // namespace places

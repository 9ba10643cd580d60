#pragma once
// What the form reads a birth time on, decided once from the birth clock: the zone row and
// daylight-saving box that show the clock exactly, or, where none does (Nepal's +5:45, Madras
// time, a place's local mean time, Chatham), the clock's own offset to the second, shown as an
// extra entry of the zone list. Plain C++.

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "core/words.h"
#include "places/clock_names.h"
#include "places/zone_rows.h"
#include "places/zone_timeline.h"

namespace places {

// The offsets a birth may be read on: UTC-12:00 to UTC+14:00, as the tz database has them.
inline constexpr int kMinOffsetSeconds = -12 * 3600;
inline constexpr int kMaxOffsetSeconds = 14 * 3600;

struct ExactOffset {
  int offsetSeconds;       // east positive, kMinOffsetSeconds..kMaxOffsetSeconds
  std::string entryText;   // the zone list's extra entry: "Kathmandu clock, UTC+5:45"
  core::Words entryWords;  // the same entry as words, for the windows' languages
};

// Exactly one of the two is set for a clock with an offset; neither for a skipped clock time
// or an error (the form must ask or refuse).
struct ClockDecision {
  std::optional<RowFit> fit;
  std::optional<ExactOffset> exact;
};

// The exact offset's entry is named for what the clock was (places/clock_names.h).
ClockDecision DecideClock(const BirthClock& clock, const ClockPlace& place);

// The decision for a known offset (a skipped time's likely moment, a saved file's offset).
// `localMeanTime` says the tz database gives the place's own mean time there.
ClockDecision DecideOffset(int offsetSeconds, bool ahead, std::string_view standardAbbreviation,
                           const ClockPlace& place, bool localMeanTime = false);

// A clock time that did not exist: the clocks went from `from` to `to` (local clock times);
// the moment most likely meant is the typed time read on the clock before the change
// (`offsetSeconds`), which the new clock showed as `onNewClock`.
struct SkippedTime {
  std::chrono::local_seconds from, to;
  std::chrono::local_seconds onNewClock;
  int offsetSeconds;
};
std::optional<SkippedTime> SkippedTimeOf(const BirthClock& clock, std::chrono::local_seconds local);

}  // namespace places

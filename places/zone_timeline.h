#pragma once
// One zone's clock history as a sorted list of periods, and the reading of a local clock time
// against it: which UTC offset was in force, whether that clock time was skipped or repeated,
// and whether the clock ran ahead of the zone's other clock. Plain C++; the periods are filled
// from the tz database by BirthClocks (places/birth_clock.h).

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/form_entries.h"

namespace places {

enum class ClockKind { Normal, Skipped, Repeated };

// What the clock of a place showed at a local civil time. Every field but `error` is
// meaningful only when `error` is empty.
struct BirthClock {
  ClockKind kind = ClockKind::Normal;
  std::optional<int> offsetSeconds;  // UTC offset in force, east positive; empty when skipped
  std::optional<bool> ahead;         // clock ahead of the zone's other clock; empty when skipped
  std::string abbreviation;          // of the clock in force, as the tz database names it
  std::string standardAbbreviation;  // of the clock not ahead (EST, IST, AEST); empty if unnamed
  bool localMeanTime = false;        // the place's own mean time (longitude / 15 hours)
  int aheadSeconds = 0;              // how far the clock ran ahead of the standard one
  bool keptAllYear = false;          // ahead without a break of a year or more (war time)
  bool warTime = false;              // ahead from a change of clock in 1939-1945
  bool behind = false;               // the database's daylight flag on the lower clock:
                                     //   Dublin's winter, Casablanca in Ramadan
  bool later = false;                // Repeated: the second instance was taken
  std::int64_t changeUtc = 0;        // Skipped and Repeated: the instant of the change
  int offsetBeforeSeconds = 0;       // Skipped and Repeated: the offsets either side of the
  int offsetAfterSeconds = 0;        //   change of clock
  std::string error;                 // unknown zone, bad longitude, date outside 1800..2399
  bool tzDataUnreadable = false;     // the error is the tz data's, not the zone id's
};

// A span of time with one clock; it lasts until the next period's start.
struct ClockPeriod {
  std::int64_t startUtc = 0;  // seconds since 1970-01-01 UTC; the first period starts earlier
  int offsetSeconds = 0;      // as the tz database gives it (for LMT: the database's city)
  bool localMeanTime = false;
  bool ahead = false;
  int aheadSeconds = 0;  // as BirthClock's fields of the same names
  bool keptAllYear = false;
  bool warTime = false;
  bool behind = false;
  std::string abbreviation;
  std::string standardAbbreviation;
};

// Periods as the tz database lists them: offset, the database's own daylight-saving offset
// (positive, zero, or negative where the lower clock is the flagged one) and abbreviation.
struct RawPeriod {
  std::int64_t startUtc = 0;
  int offsetSeconds = 0;
  int daylightSeconds = 0;
  std::string abbreviation;
};

// The clock is decided for every year a calculation reads: the Swiss Ephemeris's, which hold
// the built-in formulas' years.
inline constexpr int kFirstYear = core::kSwissYearList.first;
inline constexpr int kLastYear = core::kSwissYearList.last;

class ZoneTimeline {
 public:
  ZoneTimeline() = default;
  // `raw` sorted by start; decides for each period whether its clock runs ahead and what the
  // zone's standard clock is called, once, so that At() is a lookup.
  explicit ZoneTimeline(const std::vector<RawPeriod>& raw);

  bool empty() const { return periods_.empty(); }
  const std::vector<ClockPeriod>& periods() const { return periods_; }

  // The clock at `local`; where the database gives local mean time, the place's own mean time
  // at `longitudeEast` degrees is used. `later` picks the second of a repeated clock time.
  BirthClock At(std::chrono::local_seconds local, double longitudeEast, bool later) const;

 private:
  std::vector<ClockPeriod> periods_;
};

// The place's own mean time: longitude / 15 hours, rounded to the second. (Where the database's
// mean time for the zone lies across the date line, At() moves it by a day to that side.)
int MeanTimeOffsetSeconds(double longitudeEast);

}  // namespace places

#include "places/zone_timeline.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace places {

namespace {

namespace chr = std::chrono;

constexpr std::int64_t kDay = 86400;

// The tz database writes "+0630" or "-03" where a zone's clock has no established name.
bool IsName(const std::string& abbreviation) {
  return !abbreviation.empty() && abbreviation != "LMT" && abbreviation.front() != '+' &&
         abbreviation.front() != '-';
}

std::string NameOrEmpty(const std::string& abbreviation) {
  return IsName(abbreviation) ? abbreviation : std::string();
}

// The name of the nearest unflagged period (earlier ones first) whose offset is `offset`: the
// standard clock a summer clock runs ahead of.
std::string StandardNameNear(const std::vector<RawPeriod>& raw, std::size_t i, int offset) {
  auto fits = [&](std::size_t k) {
    return raw[k].daylightSeconds == 0 && raw[k].offsetSeconds == offset &&
           IsName(raw[k].abbreviation);
  };
  for (std::size_t k = i; k-- > 0;)
    if (fits(k)) return raw[k].abbreviation;
  for (std::size_t k = i + 1; k < raw.size(); ++k)
    if (fits(k)) return raw[k].abbreviation;
  return {};
}

// Decides whether period i runs ahead of the zone's other clock by comparing offsets, since
// the database's daylight flag sometimes marks the lower clock (Europe/Dublin in winter since
// 1971, Africa/Windhoek 1994-2017, Africa/Casablanca in Ramadan): a flagged period is ahead
// when its offset exceeds the standard one; an unflagged period is ahead when a neighbouring
// flagged period has the lower offset.
ClockPeriod Decide(const std::vector<RawPeriod>& raw, std::size_t i) {
  const RawPeriod& p = raw[i];
  ClockPeriod out{.startUtc = p.startUtc,
                  .offsetSeconds = p.offsetSeconds,
                  .localMeanTime = p.abbreviation == "LMT",
                  .ahead = false,
                  .abbreviation = p.abbreviation,
                  .standardAbbreviation = NameOrEmpty(p.abbreviation)};
  out.behind = p.daylightSeconds < 0;
  if (p.daylightSeconds > 0) {
    out.ahead = true;
    out.aheadSeconds = p.daylightSeconds;
    out.standardAbbreviation = StandardNameNear(raw, i, p.offsetSeconds - p.daylightSeconds);
  } else if (p.daylightSeconds == 0) {
    for (std::size_t k : {i - 1, i + 1}) {  // i - 1 wraps past the end when i is 0
      if (k >= raw.size()) continue;
      if (raw[k].daylightSeconds < 0 && raw[k].offsetSeconds < p.offsetSeconds) {
        out.ahead = true;
        out.aheadSeconds = p.offsetSeconds - raw[k].offsetSeconds;
        out.standardAbbreviation = NameOrEmpty(raw[k].abbreviation);
        break;
      }
    }
  }
  return out;
}

// The place's mean time on the same side of the date line as the database's mean time for the
// zone: Tonga kept +12:19:12, a day ahead of what 175.2 W gives, until 1945.
int MeanTimeNear(int meanTime, int databaseMeanTime) {
  if (meanTime - databaseMeanTime > kDay / 2) return meanTime - static_cast<int>(kDay);
  if (databaseMeanTime - meanTime > kDay / 2) return meanTime + static_cast<int>(kDay);
  return meanTime;
}

// A clock kept ahead for this long was kept through a winter: summer time lasts at most about
// eight months (Chile 2011-12, 250 days).
constexpr std::int64_t kAllYear = 300 * kDay;

// Changes of clock in these years were the Second World War's (war time in India, the United
// States, Britain's summer time kept through the winters).
constexpr std::int64_t SysSeconds(chr::year_month_day date) {
  return chr::sys_days(date).time_since_epoch() / chr::seconds(1);
}
constexpr std::int64_t kWarFrom = SysSeconds(chr::year(1939) / 9 / 1);
constexpr std::int64_t kWarTo = SysSeconds(chr::year(1946) / 1 / 1);

// Marks each run of periods with the clock ahead: how long it lasted, and whether it began in
// war time.
void MarkRuns(std::vector<ClockPeriod>& periods) {
  for (std::size_t i = 0; i < periods.size();) {
    if (!periods[i].ahead) {
      ++i;
      continue;
    }
    std::size_t end = i;
    while (end < periods.size() && periods[end].ahead) ++end;
    const std::int64_t until =
        end < periods.size() ? periods[end].startUtc : std::numeric_limits<std::int64_t>::max();
    const bool allYear = until - periods[i].startUtc >= kAllYear;
    const bool war = periods[i].startUtc >= kWarFrom && periods[i].startUtc < kWarTo;
    for (; i < end; ++i) {
      periods[i].keptAllYear = allYear;
      periods[i].warTime = war;
    }
  }
}

bool SameClock(const RawPeriod& a, const RawPeriod& b) {
  return a.offsetSeconds == b.offsetSeconds && a.daylightSeconds == b.daylightSeconds &&
         a.abbreviation == b.abbreviation;
}

}  // namespace

ZoneTimeline::ZoneTimeline(const std::vector<RawPeriod>& raw) {
  std::vector<RawPeriod> merged;
  for (const RawPeriod& p : raw)
    if (merged.empty() || !SameClock(merged.back(), p)) merged.push_back(p);
  periods_.reserve(merged.size());
  for (std::size_t i = 0; i < merged.size(); ++i) periods_.push_back(Decide(merged, i));
  MarkRuns(periods_);
}

int MeanTimeOffsetSeconds(double longitudeEast) {
  return static_cast<int>(std::lround(longitudeEast * 240.0));  // 360 degrees in 86400 s
}

BirthClock ZoneTimeline::At(chr::local_seconds local, double longitudeEast, bool later) const {
  BirthClock clock;
  const int year = static_cast<int>(chr::year_month_day(chr::floor<chr::days>(local)).year());
  if (periods_.empty()) {
    clock.error = "no clock history for this zone";
    return clock;
  }
  static_assert(kFirstYear == 1800 && kLastYear == 2399, "the message names the years");
  if (year < kFirstYear || year > kLastYear) {
    clock.error = "the date lies outside 1800-2399";
    return clock;
  }
  if (!std::isfinite(longitudeEast) || std::abs(longitudeEast) > 180.0) {
    clock.error = "the longitude lies outside -180..180 degrees";
    return clock;
  }
  const int meanTime = MeanTimeOffsetSeconds(longitudeEast);
  auto offsetOf = [&](std::size_t i) {
    const ClockPeriod& p = periods_[i];
    return p.localMeanTime ? MeanTimeNear(meanTime, p.offsetSeconds) : p.offsetSeconds;
  };
  auto endOf = [&](std::size_t i) {
    return i + 1 < periods_.size() ? periods_[i + 1].startUtc
                                   : std::numeric_limits<std::int64_t>::max();
  };

  // Every offset lies within a day of UTC, so the instants that show `local` lie within a
  // day of it read as UTC; look at the periods that touch two days either side.
  const std::int64_t l = local.time_since_epoch().count();
  auto it = std::upper_bound(periods_.begin(), periods_.end(), l - 2 * kDay,
                             [](std::int64_t t, const ClockPeriod& p) { return t < p.startUtc; });
  std::size_t first =
      it == periods_.begin() ? 0 : static_cast<std::size_t>(it - periods_.begin()) - 1;
  std::array<std::size_t, 4> hits{};
  std::size_t hitCount = 0;
  std::optional<std::size_t> beforeGap;
  for (std::size_t i = first; i < periods_.size() && periods_[i].startUtc <= l + 2 * kDay; ++i) {
    const std::int64_t utc = l - offsetOf(i);
    const bool afterStart = i == 0 || utc >= periods_[i].startUtc;
    if (afterStart && utc < endOf(i) && hitCount < hits.size()) hits[hitCount++] = i;
    if (afterStart && utc >= endOf(i) && l - offsetOf(i + 1) < endOf(i)) beforeGap = i;
  }

  if (hitCount == 0) {
    clock.kind = ClockKind::Skipped;
    if (beforeGap) {
      clock.offsetBeforeSeconds = offsetOf(*beforeGap);
      clock.offsetAfterSeconds = offsetOf(*beforeGap + 1);
      clock.changeUtc = endOf(*beforeGap);
    }
    return clock;
  }
  if (hitCount > 1) {
    clock.kind = ClockKind::Repeated;
    clock.later = later;
    clock.offsetBeforeSeconds = offsetOf(hits[0]);
    clock.offsetAfterSeconds = offsetOf(hits[hitCount - 1]);
    clock.changeUtc = periods_[hits[hitCount - 1]].startUtc;
  }
  const std::size_t chosen = clock.later ? hits[hitCount - 1] : hits[0];
  const ClockPeriod& p = periods_[chosen];
  clock.offsetSeconds = offsetOf(chosen);
  clock.ahead = p.ahead;
  clock.abbreviation = p.abbreviation;
  clock.standardAbbreviation = p.standardAbbreviation;
  clock.localMeanTime = p.localMeanTime;
  clock.aheadSeconds = p.aheadSeconds;
  clock.keptAllYear = p.keptAllYear;
  clock.warTime = p.warTime;
  clock.behind = p.behind;
  return clock;
}

}  // namespace places

#include "places/birth_clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QTimeZone>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <limits>
#include <vector>

namespace places {

namespace {

namespace chr = std::chrono;

constexpr qint64 UtcSeconds(chr::year_month_day date) {
  return chr::sys_days(date).time_since_epoch() / chr::seconds(1);
}

// The history is read from a year before the first year asked about to the end of the year
// after the last, so that every local time lies inside it with more than a day to spare and a
// summer clock of the last December still ends (else it would count as kept all year); past
// 2051 only when a later year is asked about.
constexpr int kNearLastYear = 2050;
constexpr qint64 kHistoryStart = UtcSeconds(chr::year(kFirstYear - 1) / 1 / 1);
constexpr qint64 kNearHistoryEnd = UtcSeconds(chr::year(kNearLastYear + 2) / 1 / 1);
constexpr qint64 kFarHistoryEnd = UtcSeconds(chr::year(kLastYear + 2) / 1 / 1);

// Qt marks "no data" with the smallest int (QTimeZonePrivate::invalidSeconds()).
constexpr int kInvalidSeconds = std::numeric_limits<int>::min();

RawPeriod ToRaw(qint64 startUtc, const QTimeZone::OffsetData& d) {
  return {.startUtc = startUtc,
          .offsetSeconds = d.offsetFromUtc,
          .daylightSeconds = d.daylightTimeOffset,
          .abbreviation = d.abbreviation.toStdString()};
}

// The clock in force at `at`. For a zone without transitions ("UTC" of Qt's own fixed-offset
// zones) Qt 6.4's offsetData() answers "no data" (every offset the smallest int); its plain
// offset functions still answer.
RawPeriod RawAt(const QTimeZone& zone, const QDateTime& at) {
  RawPeriod raw = ToRaw(at.toSecsSinceEpoch(), zone.offsetData(at));
  if (raw.offsetSeconds == kInvalidSeconds || raw.daylightSeconds == kInvalidSeconds)
    raw = {.startUtc = at.toSecsSinceEpoch(),
           .offsetSeconds = zone.offsetFromUtc(at),
           .daylightSeconds = zone.daylightTimeOffset(at),
           .abbreviation = zone.abbreviation(at).toStdString()};
  return raw;
}

bool Plausible(const RawPeriod& p) {
  constexpr int kDay = 86400;
  return std::abs(p.offsetSeconds) < kDay && std::abs(p.daylightSeconds) < kDay;
}

// The first transition after `at`. Qt 6.4.2 answers "none" when asked from the very instant of
// the last transition written out in the zone file (2037-11-01 for New York), though it
// follows the rule at the file's end from any later instant; one second later is such an
// instant.
QTimeZone::OffsetData NextTransition(const QTimeZone& zone, const QDateTime& at) {
  QTimeZone::OffsetData next = zone.nextTransition(at);
  if (!next.atUtc.isValid()) next = zone.nextTransition(at.addSecs(1));
  return next;
}

// Walks the zone's transitions one by one. QTimeZone::transitions(from, to) of Qt 6.4 stops at
// the last transition written out in the zone file and leaves out those of the rule at the
// file's end. Offsets before 1970 and after 2037 agree with zdump at every change of clock
// (tests/places/birth_clock_test.cpp).
std::vector<RawPeriod> ReadHistory(const QTimeZone& zone, qint64 end) {
  std::vector<RawPeriod> raw;
  QDateTime at = QDateTime::fromSecsSinceEpoch(kHistoryStart, Qt::UTC);
  raw.push_back(RawAt(zone, at));
  for (;;) {
    const QTimeZone::OffsetData next = NextTransition(zone, at);
    if (!next.atUtc.isValid()) break;
    const qint64 start = next.atUtc.toSecsSinceEpoch();
    if (start <= raw.back().startUtc || start > end) break;
    raw.push_back(ToRaw(start, next));
    at = next.atUtc;
  }
  // A history with an offset Qt could not give is no history: the caller says the data
  // cannot be read rather than show an offset of minus 68 years.
  if (!std::all_of(raw.begin(), raw.end(), Plausible)) raw.clear();
  return raw;
}

}  // namespace

// Only for an id the database lists (BirthClocks::At checks first).
const ZoneTimeline& BirthClocks::Timeline(std::string_view zoneId, bool farYears) {
  auto it = timelines_.find(zoneId);
  if (it != timelines_.end() && (it->second.farYears || !farYears)) return it->second.timeline;
  const QTimeZone zone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
  const qint64 end = farYears ? kFarHistoryEnd : kNearHistoryEnd;
  History history{zone.isValid() ? ZoneTimeline(ReadHistory(zone, end)) : ZoneTimeline(), farYears};
  if (it == timelines_.end()) it = timelines_.emplace(std::string(zoneId), History{}).first;
  it->second = std::move(history);
  return it->second.timeline;
}

BirthClock BirthClocks::At(std::string_view zoneId, std::chrono::local_seconds local,
                           double longitudeEast, bool later) {
  if (!zones_) zones_ = ZoneList::Read(zoneinfoDir_);
  BirthClock failed;
  if (const ZoneCheck check = zones_->Check(zoneId); check != ZoneCheck::Known) {
    failed.error = ZoneProblem(check, zoneId, zoneinfoDir_);
    failed.tzDataUnreadable = check == ZoneCheck::TzDataUnreadable;
    return failed;
  }
  const int year = static_cast<int>(chr::year_month_day(chr::floor<chr::days>(local)).year());
  const ZoneTimeline& timeline = Timeline(zoneId, year > kNearLastYear);
  if (timeline.empty()) {
    failed.error = "the tz data for \"" + std::string(zoneId) + "\" cannot be read";
    failed.tzDataUnreadable = true;
    return failed;
  }
  return timeline.At(local, longitudeEast, later);
}

std::string TzDataVersion(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  constexpr std::string_view kPrefix = "# version ";
  if (!std::getline(in, line) || !line.starts_with(kPrefix) || line.size() == kPrefix.size())
    return "unknown";
  std::string version = line.substr(kPrefix.size());
  version.erase(version.find_last_not_of(" \t\r") + 1);
  return version.empty() ? "unknown" : version;
}

}  // namespace places

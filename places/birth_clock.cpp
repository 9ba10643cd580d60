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

// The history is read from 1900 to 2051 so that every local time of 1901-2050 lies inside it
// with more than a day to spare.
constexpr qint64 kHistoryStart = -2208988800;  // 1900-01-01 00:00 UTC
constexpr qint64 kHistoryEnd = 2556144000;     // 2051-01-01 00:00 UTC

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
std::vector<RawPeriod> ReadHistory(const QTimeZone& zone) {
  std::vector<RawPeriod> raw;
  QDateTime at = QDateTime::fromSecsSinceEpoch(kHistoryStart, Qt::UTC);
  raw.push_back(RawAt(zone, at));
  for (;;) {
    const QTimeZone::OffsetData next = NextTransition(zone, at);
    if (!next.atUtc.isValid()) break;
    const qint64 start = next.atUtc.toSecsSinceEpoch();
    if (start <= raw.back().startUtc || start > kHistoryEnd) break;
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
const ZoneTimeline& BirthClocks::Timeline(std::string_view zoneId) {
  if (auto it = timelines_.find(zoneId); it != timelines_.end()) return it->second;
  const QTimeZone zone(QByteArray(zoneId.data(), static_cast<qsizetype>(zoneId.size())));
  ZoneTimeline timeline = zone.isValid() ? ZoneTimeline(ReadHistory(zone)) : ZoneTimeline();
  return timelines_.emplace(std::string(zoneId), std::move(timeline)).first->second;
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
  const ZoneTimeline& timeline = Timeline(zoneId);
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

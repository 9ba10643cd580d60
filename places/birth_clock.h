#pragma once
// The clock of a birth place at the birth moment, read from the system tz database
// (/usr/share/zoneinfo, Debian package tzdata) through QtCore's QTimeZone. This header is
// plain C++; only birth_clock.cpp sees Qt.

#include <chrono>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "places/zone_list.h"
#include "places/zone_timeline.h"

namespace places {

// Reads zones once and keeps their clock histories, so that each question after the first for
// a zone is a lookup. A history runs from 1799 to 2051 (about a millisecond to build); the first
// question about a later year reads it on to 2401, where the zone's last rule repeats every year
// (some 30 ms for a zone with summer time). Not safe to share between threads; each owner keeps
// its own.
class BirthClocks {
 public:
  // `zoneinfoDir` holds the list of zone ids checked before a zone is read (tests point it
  // elsewhere; QtCore reads the zones themselves from the system's folder).
  explicit BirthClocks(std::string zoneinfoDir = std::string(kZoneinfoDir))
      : zoneinfoDir_(std::move(zoneinfoDir)) {}

  // The clock of zone `zoneId` (an IANA id such as "Asia/Kolkata") at the local civil time
  // `local`, 1800-2399: the database's as far as it goes, its first clock before its first
  // entry and its last rule after its last. Local mean time in the database becomes the place's
  // own mean time at `longitudeEast` (east positive degrees). For a repeated clock time, `later`
  // picks the second instance (after the clocks went back); the default is the first. A zone the
  // database does not list is never opened: its error says it is unknown, or that the tz data
  // cannot be read when the list itself cannot (`tzDataUnreadable`).
  BirthClock At(std::string_view zoneId, std::chrono::local_seconds local, double longitudeEast,
                bool later = false);

 private:
  struct History {
    ZoneTimeline timeline;
    bool farYears;  // read on past 2051
  };
  const ZoneTimeline& Timeline(std::string_view zoneId, bool farYears);

  std::string zoneinfoDir_;
  std::optional<ZoneList> zones_;  // read at the first question
  std::map<std::string, History, std::less<>> timelines_;
};

// The tz database release named on the first line of tzdata.zi ("# version 2026f" gives
// "2026f"), or "unknown" when the file cannot be read or says no version.
std::string TzDataVersion(const std::string& path = "/usr/share/zoneinfo/tzdata.zi");

}  // namespace places

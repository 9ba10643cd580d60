#pragma once
// The zone ids the system tz database lists, so that an id read from a file is checked before
// anything is opened for it: QTimeZone reads /usr/share/zoneinfo/<id>, and an id such as
// "../../../dev/zero" would otherwise name a file outside the database. Plain C++; only
// zone_list.cpp sees Qt.

#include <string>
#include <string_view>
#include <vector>

namespace places {

inline constexpr std::string_view kZoneinfoDir = "/usr/share/zoneinfo";

enum class ZoneCheck {
  Known,             // the database lists the id
  Unknown,           // the database is readable and does not list it
  TzDataUnreadable,  // the database's list cannot be read (missing, empty or corrupt)
};

class ZoneList {
 public:
  // The zones and links named in <zoneinfoDir>/tzdata.zi ("Z Asia/Kolkata ...", "L Asia/Kolkata
  // Asia/Calcutta"); where that file is missing or names no zone, the zones QtCore lists from
  // the same folder (zone.tab) when zoneinfoDir is the system's. Reading takes about a
  // millisecond.
  static ZoneList Read(std::string_view zoneinfoDir = kZoneinfoDir);

  bool readable() const { return !ids_.empty(); }
  ZoneCheck Check(std::string_view id) const;

 private:
  std::vector<std::string> ids_;  // sorted, unique
};

// The check against the system's list, read once on first use and kept unchanged.
ZoneCheck CheckZone(std::string_view id);
inline bool IsKnownZone(std::string_view id) {
  return CheckZone(id) == ZoneCheck::Known;
}

// What to tell the person when a zone cannot be used: `unknown time zone "Atlantis/Capital"`,
// "the tz data cannot be read (/usr/share/zoneinfo)". Empty for a known zone.
std::string ZoneProblem(ZoneCheck check, std::string_view id,
                        std::string_view zoneinfoDir = kZoneinfoDir);

}  // namespace places

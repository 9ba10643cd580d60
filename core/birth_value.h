#pragma once
// The birth as one typed value: the form's entries read once, into the local clock time, the
// offset from universal time with where it came from, the place as signed angles, and the
// texts. Everything after the input check works from this value.

#include <chrono>
#include <optional>
#include <string>
#include <variant>

#include "core/calculation.h"
#include "core/form_entries.h"

namespace core {

// A local civil date and time of the birth place, whole seconds, no zone attached.
using LocalTime = std::chrono::local_seconds;

// A latitude or longitude as the form holds it: whole degrees and minutes (each rounded from
// the box's text) and the hemisphere, north or east being positive.
struct GeoAngle {
  int degrees = 0;
  int minutes = 0;
  bool positive = true;

  // Signed decimal degrees, north and east positive.
  double Signed() const {
    const double value = degrees + minutes / 60.0;
    return positive ? value : -value;
  }
  friend bool operator==(const GeoAngle&, const GeoAngle&) = default;
};

// Where an offset came from: an exact offset decided for the birth moment, to the second, with
// no row behind it (universal time itself by default)...
struct ExactOrigin {
  friend bool operator==(const ExactOrigin&, const ExactOrigin&) = default;
};
// ...or a row of the zone list and the daylight-saving box.
struct ZoneRowOrigin {
  int row = 0;
  bool dst = false;
  friend bool operator==(const ZoneRowOrigin&, const ZoneRowOrigin&) = default;
};

struct UtcOffset {
  std::chrono::seconds east{0};  // local clock time less universal time
  std::variant<ExactOrigin, ZoneRowOrigin> origin;
  friend bool operator==(const UtcOffset&, const UtcOffset&) = default;
};

struct BirthValue {
  std::string name;
  LocalTime local{};  // the clock time of birth, seconds included
  UtcOffset offset;
  GeoAngle latitude, longitude;
  std::string city, state, country;
  // The calculation the entries chose; empty: the built-in formulas, not chosen explicitly.
  std::optional<Calculation> calculation;
};

// The offset of a zone row, one hour more with daylight saving: the one place where a row's
// correction to universal time (positive west) turns into an offset east.
std::chrono::seconds ZoneRowOffset(int row, bool dst);

// The local clock time the date and time lists show; empty when a list holds no entry of its
// own or the date does not exist (30 February).
std::optional<LocalTime> LocalBirthTime(const FormEntries& entries);

}  // namespace core

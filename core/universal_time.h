#pragma once
// The zone rule: the two ways the reading turns the local birth time into universal time for
// the ephemeris. Both describe the same instant, the local clock time less the offset, and
// both drop the clock's seconds, as the positions always have.

#include "core/birth_value.h"

namespace core {

// Universal time in decimal hours on the local calendar date of birth; may be negative or
// 24 and more, so that the day count of the local date plus U / 24 lands on the right day.
// Used by the Moon and the ascendant.
double UniversalHours(const BirthValue& birth);

struct CivilTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  int second = 0;  // only an exact offset's own seconds; the clock's are dropped
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The universal calendar date and clock time of birth (the clock's seconds dropped, an exact
// offset's kept), with full
// Gregorian carry. Used by the Sun, the planets and the nodes.
CivilTime UniversalCivilTime(const BirthValue& birth);

}  // namespace core

#pragma once
// The zone rule: the two ways the reading turns the local birth time into universal time for
// the ephemeris. Both describe the same instant: local clock time plus the zone's correction,
// less one hour when daylight saving was declared. And the birth place as signed degrees.

#include "core/birth_record.h"

namespace core {

// Universal time in decimal hours on the local calendar date of birth; may be negative or
// 24 and more, so that the day count of the local date plus U / 24 lands on the right day.
// Used by the Moon and the ascendant.
double UniversalHours(const BirthRecord& record);

struct CivilTime {
  int year = 0, month = 0, day = 0, hour = 0, minute = 0;
  friend bool operator==(const CivilTime&, const CivilTime&) = default;
};

// The universal calendar date and clock time of birth (seconds dropped), with full
// Gregorian carry. Used by the Sun, the planets and the nodes.
CivilTime UniversalCivilTime(const BirthRecord& record);

// Signed longitude in degrees, east positive.
double LongitudeEast(const BirthRecord& record);
// Signed latitude in degrees, south negative.
double SignedLatitude(const BirthRecord& record);

}  // namespace core

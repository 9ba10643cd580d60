#pragma once
// The birth instant and place as the ephemeris takes them, made once from the birth value:
// the zone rule is applied here, for every body; the ephemeris only counts time from these.

#include "core/birth_value.h"

namespace ephemeris {

struct CivilDate {
  int year = 0, month = 0, day = 0;
};

struct BirthInstant {
  CivilDate localDate;  // the calendar date of birth on the local clock
  // Universal time in hours counted from 0 h UT of the local date: below 0 or from 24 on
  // when the zone moves the birth to the day before or after. The Moon and the ascendant
  // count the day number of the local date plus this, as they always have.
  double universalHours = 0;
  // The same instant as a universal calendar date and clock time, as the Sun, the planets and
  // the nodes count it: the clock's seconds dropped, an exact offset's seconds kept (a zone
  // row's offset has none).
  CivilDate universalDate;
  int universalHour = 0, universalMinute = 0, universalSecond = 0;
  double longitudeEast = 0;  // degrees, east positive
  double latitude = 0;       // degrees, north positive
};

// The instant and place of the birth, the clock's seconds dropped.
BirthInstant InstantOf(const core::BirthValue& birth);

// Julian centuries from the epoch (a Julian date) to the instant, from the local date's day
// number and the universal hours.
double CenturiesSince(const BirthInstant& instant, double epoch);

}  // namespace ephemeris

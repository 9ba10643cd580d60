#include "ephemeris/birth_instant.h"

#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"

namespace ephemeris {

double CenturiesSince(const BirthInstant& instant, double epoch) {
  const CivilDate& d = instant.localDate;
  // The day number is that of noon; less half a day is 0 h UT of the local date.
  const double JD = JulianDayNumber(d.month, d.day, d.year);
  return (JD - epoch + instant.universalHours / 24 - 0.5) / kDaysPerCentury;
}

}  // namespace ephemeris

#include "ephemeris/birth_instant.h"

#include "core/universal_time.h"
#include "ephemeris/calendar_angles.h"

namespace ephemeris {

double BirthCenturiesSince(const core::BirthRecord& record, double epoch) {
  const double U = core::UniversalHours(record);
  // The day number is that of noon; less half a day is 0 h UT of the local date.
  const double JD = JulianDayNumber(record.BirthMonth, record.BirthDay, record.BirthYear);
  return (JD - epoch + U / 24 - 0.5) / 36525;
}

}  // namespace ephemeris

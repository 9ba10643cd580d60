#include "ephemeris/birth_instant.h"

#include "core/universal_time.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"

namespace ephemeris {

BirthInstant InstantOf(const core::BirthValue& birth) {
  const std::chrono::year_month_day local{std::chrono::floor<std::chrono::days>(birth.local)};
  const core::CivilTime ut = core::UniversalCivilTime(birth);
  BirthInstant instant;
  instant.localDate = {int(local.year()), int(unsigned(local.month())), int(unsigned(local.day()))};
  instant.universalHours = core::UniversalHours(birth);
  instant.universalDate = {ut.year, ut.month, ut.day};
  instant.universalHour = ut.hour;
  instant.universalMinute = ut.minute;
  instant.universalSecond = ut.second;
  instant.longitudeEast = birth.longitude.Signed();
  instant.latitude = birth.latitude.Signed();
  return instant;
}

double CenturiesSince(const BirthInstant& instant, double epoch) {
  const CivilDate& d = instant.localDate;
  // The day number is that of noon; less half a day is 0 h UT of the local date.
  const double JD = JulianDayNumber(d.month, d.day, d.year);
  return (JD - epoch + instant.universalHours / 24 - 0.5) / kDaysPerCentury;
}

}  // namespace ephemeris

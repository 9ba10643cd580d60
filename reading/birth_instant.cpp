#include "reading/birth_instant.h"

#include "core/universal_time.h"

namespace reading {

ephemeris::BirthInstant BirthInstantOf(const core::BirthRecord& r) {
  const core::CivilTime ut = core::UniversalCivilTime(r);
  ephemeris::BirthInstant instant;
  instant.localDate = {r.BirthYear, r.BirthMonth, r.BirthDay};
  instant.universalHours = core::UniversalHours(r);
  instant.universalDate = {ut.year, ut.month, ut.day};
  instant.universalHour = ut.hour;
  instant.universalMinute = ut.minute;
  instant.longitudeEast = core::LongitudeEast(r);
  instant.latitude = core::SignedLatitude(r);
  return instant;
}

}  // namespace reading

#include "core/universal_time.h"

namespace core {

namespace {
int DstHours(const BirthRecord& r) {
  return r.IsDst ? 1 : 0;
}
}  // namespace

double UniversalHours(const BirthRecord& r) {
  return r.BirthHour + r.BirthMinute / 60.0 + r.ZoneHours + r.ZoneMinutes / 60.0 - DstHours(r);
}

CivilTime UniversalCivilTime(const BirthRecord& r) {
  using namespace std::chrono;
  const year_month_day date{year{r.BirthYear}, month{static_cast<unsigned>(r.BirthMonth)},
                            day{static_cast<unsigned>(r.BirthDay)}};
  const sys_days localDay{date};  // a date past the month's end rolls over, as civil carry does
  const sys_seconds ut = localDay + hours{r.BirthHour} + minutes{r.BirthMinute} +
                         hours{r.ZoneHours} + minutes{r.ZoneMinutes} - hours{DstHours(r)};
  const sys_days utDays = floor<days>(ut);
  const year_month_day utDate{utDays};
  const auto time = hh_mm_ss{ut - utDays};
  return {int(utDate.year()), int(unsigned(utDate.month())), int(unsigned(utDate.day())),
          int(time.hours().count()), int(time.minutes().count())};
}

double LongitudeEast(const BirthRecord& r) {
  const double degrees = r.LongitudeDeg + r.LongitudeMin / 60.0;
  return r.IsEast ? degrees : -degrees;
}

double SignedLatitude(const BirthRecord& r) {
  const double degrees = r.LatitudeDeg + r.LatitudeMin / 60.0;
  return r.IsSouth ? -degrees : degrees;
}

}  // namespace core

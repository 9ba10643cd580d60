#include "core/universal_time.h"

#include "core/zone_table.h"

namespace core {

namespace {
using namespace std::chrono;

hh_mm_ss<seconds> ClockOf(LocalTime t) {
  return hh_mm_ss{t - floor<days>(t)};
}
}  // namespace

double UniversalHours(const BirthValue& b) {
  const auto clock = ClockOf(b.local);
  const double hoursMinutes = clock.hours().count() + clock.minutes().count() / 60.0;
  // A row's correction is added hours first, then minutes, then less the daylight-saving hour,
  // each rounded in turn: the frozen positions depend on this order to the last bit.
  if (const auto* row = std::get_if<ZoneRowOrigin>(&b.offset.origin)) {
    const ZoneRow& z = ZoneTable()[static_cast<std::size_t>(row->row)];
    return hoursMinutes + z.hours + z.minutes / 60.0 - (row->dst ? 1 : 0);
  }
  return hoursMinutes - static_cast<double>(b.offset.east.count()) / 3600.0;
}

CivilTime UniversalCivilTime(const BirthValue& b) {
  const sys_seconds ut{floor<minutes>(b.local).time_since_epoch() - b.offset.east};
  const sys_days utDays = floor<days>(ut);
  const year_month_day utDate{utDays};
  const auto time = hh_mm_ss{ut - utDays};
  return {int(utDate.year()),        int(unsigned(utDate.month())), int(unsigned(utDate.day())),
          int(time.hours().count()), int(time.minutes().count()),   int(time.seconds().count())};
}

}  // namespace core

// The built-in formulas as a sky source: the analytical positions, the retrograde tables and
// the low-precision sunrise model.

#include <cmath>

#include "ephemeris/angles.h"
#include "ephemeris/birth_instant.h"
#include "ephemeris/moon.h"
#include "ephemeris/planets.h"
#include "reading/sky_source.h"
#include "sky/retrogrades.h"
#include "sky/sunrise_sunset.h"

namespace reading {

namespace {

using namespace std::chrono;

// The instant as the built-in formulas count it: the universal date and time, the seconds'
// fractions kept for the Moon (in the hours), whole for the Sun.
ephemeris::BirthInstant BuiltInInstant(panchanga::Instant t) {
  const sys_days day = floor<days>(floor<seconds>(t));
  const year_month_day date{day};
  const double secondOfDay = (t - day).count();
  const int whole = static_cast<int>(secondOfDay);
  ephemeris::BirthInstant instant;
  instant.localDate = instant.universalDate = {int(date.year()), int(unsigned(date.month())),
                                               int(unsigned(date.day()))};
  instant.universalHours = secondOfDay / 3600;
  instant.universalHour = whole / 3600;
  instant.universalMinute = whole % 3600 / 60;
  instant.universalSecond = whole % 60;
  return instant;
}

class BuiltInSky : public SkySource {
 public:
  std::variant<BirthSky, std::string> SkyOf(const core::BirthValue& b) const override {
    BirthSky sky;
    const ephemeris::BirthInstant instant = ephemeris::InstantOf(b);
    const double ayanamsa1900 =
        ephemeris::Ayanamsa1900(ephemeris::CenturiesSince(instant, ephemeris::kJ1900));
    sky.longitudes[core::kLagna] = ephemeris::SiderealAscendant(instant, ayanamsa1900);
    sky.longitudes[core::kMoon] = ephemeris::SiderealMoonLongitude(instant);
    ephemeris::SiderealPlanets(instant, std::fabs(ayanamsa1900), sky.longitudes);
    sky.ayanamsa = -ayanamsa1900;
    const local_days birthDay = floor<days>(b.local);
    sky.retrograde = sky::RetrogradeBodies(year_month_day{birthDay});
    for (int offset = -1; offset <= 1; ++offset)
      if (auto sun = SunOf(birthDay + days{offset}, b);
          auto* computed = std::get_if<SunOfDate>(&sun))
        sky.suns[static_cast<std::size_t>(offset + 1)] = *computed;
    return sky;
  }

  std::variant<SunOfDate, std::string> SunOf(local_days date,
                                             const core::BirthValue& b) const override {
    const auto events = sky::SunRiseSet(year_month_day{date}, b.latitude.Signed(),
                                        b.longitude.Signed(), b.offset.east);
    if (!events) return std::string("The date does not exist.");
    return SunOfDate{events->day, events->rise, events->set, SkyOrigin::Formulas};
  }

  std::optional<panchanga::SunMoon> At(panchanga::Instant t) const override {
    const ephemeris::BirthInstant instant = BuiltInInstant(t);
    return panchanga::SunMoon{ephemeris::SiderealSunLongitude(instant),
                              ephemeris::SiderealMoonLongitude(instant)};
  }
};

}  // namespace

std::unique_ptr<SkySource> BuiltInSource() {
  return std::make_unique<BuiltInSky>();
}

}  // namespace reading

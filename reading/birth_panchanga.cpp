#include "reading/birth_panchanga.h"

#include "ephemeris/birth_instant.h"
#include "ephemeris/moon.h"
#include "ephemeris/planets.h"
#include "sky/sunrise_sunset.h"
#include "swiss/swiss_ephemeris.h"

namespace reading {

namespace {

using namespace std::chrono;
using panchanga::Instant;
using panchanga::SunMoon;

// The instant as the built-in formulas count it: the universal date and time, the seconds'
// fractions kept for the Moon (in the hours), whole for the Sun.
ephemeris::BirthInstant BuiltInInstant(Instant t) {
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

class BuiltInSky : public panchanga::Sky {
 public:
  std::optional<SunMoon> At(Instant t) const override {
    const ephemeris::BirthInstant instant = BuiltInInstant(t);
    return SunMoon{ephemeris::SiderealSunLongitude(instant),
                   ephemeris::SiderealMoonLongitude(instant)};
  }
};

class SwissSky : public panchanga::Sky {
 public:
  explicit SwissSky(const core::SwissSettings& settings) : settings_(settings) {}
  std::optional<SunMoon> At(Instant t) const override {
    const swiss::SunAndMoon p = swiss::ComputeSunAndMoon(t, settings_);
    if (!p.error.empty()) return std::nullopt;
    return SunMoon{p.sun, p.moon};
  }

 private:
  core::SwissSettings settings_;
};

const core::SwissSettings* SwissChoice(const core::BirthValue& b) {
  const auto& c = b.calculation;
  return c && c->ephemeris == core::EphemerisChoice::Swiss ? &c->swiss : nullptr;
}

// The sunrise of the birth's date on its clock by the calculation's rule, searched; empty where
// the Sun does not rise that date, and where the calculation fails (then `failed` is set).
std::optional<local_seconds> SearchedSunrise(const core::BirthValue& b, bool& failed) {
  const year_month_day date{floor<days>(b.local)};
  if (const auto* settings = SwissChoice(b)) {
    const auto sun = swiss::ComputeSunTimes(date, b.offset.east,
                                            {b.latitude.Signed(), b.longitude.Signed()}, *settings);
    failed = !sun.error.empty();
    if (failed || !sun.sunrise) return std::nullopt;
    return local_seconds{sun.sunrise->time_since_epoch() + b.offset.east};
  }
  const auto sun = sky::SunRiseSet(date, b.latitude.Signed(), b.longitude.Signed(), b.offset.east);
  failed = !sun;
  if (!sun || sun->day != sky::SunDay::RisesAndSets) return std::nullopt;
  return sun->rise;
}

// The reading's own sunrise of the date where it is one: the reading stands in 00:00 for a day
// the Sun does not rise into (it is up from midnight) and 12:00 for one it stays below the
// horizon, and only a time the same to the second is searched again, which the Swiss
// Ephemeris takes as long as the rest of the panchanga.
std::optional<local_seconds> SunriseOf(const core::BirthRecord& r, bool& failed) {
  const local_days date = floor<days>(r.Birth.local);
  const bool standIn = !r.Sunrise || *r.Sunrise == date || *r.Sunrise == date + hours{12};
  return standIn ? SearchedSunrise(r.Birth, failed) : r.Sunrise;
}

}  // namespace

std::unique_ptr<panchanga::Sky> SkyOf(const core::BirthValue& birth) {
  if (const auto* settings = SwissChoice(birth)) return std::make_unique<SwissSky>(*settings);
  return std::make_unique<BuiltInSky>();
}

std::optional<BirthPanchanga> PanchangaOf(const core::BirthRecord& r) {
  const core::BirthValue& b = r.Birth;
  bool failed = false;
  const auto sunrise = SunriseOf(r, failed);
  if (failed) return std::nullopt;
  const Instant moment{duration<double>(b.local.time_since_epoch() - b.offset.east)};
  const auto elements = panchanga::ElementsOf(*SkyOf(b), moment);
  if (!elements) return std::nullopt;
  return BirthPanchanga{panchanga::VaraOf(b.local, sunrise), *elements};
}

}  // namespace reading

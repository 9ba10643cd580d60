#include "reading/swiss_sky.h"

#include <optional>

#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"
#include "sky/retrogrades.h"
#include "swiss/swiss_ephemeris.h"

namespace reading {

namespace {

using namespace std::chrono;
using core::DateTime;
using sky::SunDay;

swiss::Place PlaceOf(const core::BirthValue& b) {
  return {b.latitude.Signed(), b.longitude.Signed()};
}

// One date's pair on the birth place's clock, with the built-in formulas' stand-ins where the
// Sun does not cross the horizon; empty when the library failed.
struct LocalSun {
  SunDay day = SunDay::RisesAndSets;
  core::LocalTime rise{}, set{};
  bool fromFiles = false;
};

std::optional<LocalSun> SunOf(local_days date, const core::BirthValue& b,
                              const core::SwissSettings& settings) {
  const auto sun =
      swiss::ComputeSunTimes(year_month_day{date}, b.offset.east, PlaceOf(b), settings);
  if (!sun.error.empty()) return std::nullopt;
  const auto local = [&](sys_seconds t) {
    return core::LocalTime{t.time_since_epoch() + b.offset.east};
  };
  const core::LocalTime midnight{date}, nextMidnight{date + days{1}};
  LocalSun out;
  out.fromFiles = sun.fromFiles;
  out.rise = sun.sunrise ? local(*sun.sunrise) : midnight;
  out.set = sun.sunset ? local(*sun.sunset) : nextMidnight;
  if (sun.day == swiss::SunDay::NeverSets) out.day = SunDay::NeverSets;
  if (sun.day == swiss::SunDay::NeverRises) {
    out.day = SunDay::NeverRises;
    out.rise = out.set = midnight + hours{12};
  }
  return out;
}

}  // namespace

bool SwissPositions(const core::BirthValue& b, const core::SwissSettings& settings,
                    core::BirthRecord& r) {
  const sys_seconds ut{b.local.time_since_epoch() - b.offset.east};
  const swiss::Positions p = swiss::ComputePositions(ut, PlaceOf(b), settings);
  if (!p.error.empty()) return false;
  r.Longitudes = p.longitudes;
  r.AyanamsaValue = -p.ayanamsa;  // the record keeps it negative, as the built-in formulas do
  r.EphemerisFiles = p.fromFiles;
  r.AscendantText = ephemeris::LongitudeText(p.longitudes[core::kLagna]);
  r.MoonLongitudeText = ephemeris::LongitudeText(p.longitudes[core::kMoon]);
  if (const int sign = ephemeris::SignOfLongitude(p.longitudes[core::kMoon]); sign >= 0)
    r.RashiName = std::string(ephemeris::kSanskritSignNames[sign]);
  for (int k = 0; k < 9; ++k) r.PositionNames[k] = r.BodyNames[k];  // before the marks
  r.PositionNames[10] = "Ascendant";
  for (int k = 0; k < core::kBodyCount; ++k)
    r.PositionTexts[k] = ephemeris::PositionText(p.longitudes[k]);
  for (int k = 0; k < swiss::kPlanetCount; ++k)
    if (p.speeds[k] < 0) {
      r.BodyNames[swiss::kFirstPlanet + k] += sky::kRetrogradeMark;
      r.Retrograde[static_cast<std::size_t>(swiss::kFirstPlanet + k)] = true;
    }
  return true;
}

std::array<SunDay, 3> SwissSunTimes(const core::BirthValue& b, const core::SwissSettings& settings,
                                    core::BirthRecord& r) {
  std::array<SunDay, 3> days{SunDay::RisesAndSets, SunDay::RisesAndSets, SunDay::RisesAndSets};
  const std::array<DateTime*, 6> targets{&r.PrevSunrise, &r.PrevSunset,  &r.Sunrise,
                                         &r.Sunset,      &r.NextSunrise, &r.NextSunset};
  const local_days birthDay = floor<std::chrono::days>(b.local);
  const auto store = [&](int offset) {
    const auto sun = SunOf(birthDay + std::chrono::days{offset}, b, settings);
    if (!sun) return false;
    const auto i = static_cast<std::size_t>(offset + 1);
    days[i] = sun->day;
    r.SunTimes[0] = *targets[2 * i] = sun->rise;
    r.SunTimes[1] = *targets[2 * i + 1] = sun->set;
    r.EphemerisFiles = r.EphemerisFiles && sun->fromFiles;
    return true;
  };
  for (DateTime* t : {targets[0], targets[1], targets[4], targets[5]}) t->reset();
  if (!store(0)) return days;
  // The rule of chakra::SelectPeriod: a birth in the date's daylight needs no neighbour.
  const bool daylight = *r.Sunrise < *r.Sunset;
  if (daylight && *r.Sunrise <= b.local && b.local <= *r.Sunset) return days;
  store(b.local < *r.Sunrise ? -1 : 1);
  return days;
}

}  // namespace reading

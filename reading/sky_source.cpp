#include "reading/sky_source.h"

#include <algorithm>

#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"
#include "sky/retrogrades.h"

namespace reading {

using core::DateTime;
using core::SunDay;

std::unique_ptr<SkySource> SourceOf(const core::BirthValue& birth) {
  const auto& c = birth.calculation;
  if (c && c->ephemeris == core::EphemerisChoice::Swiss) return SwissSource(c->swiss);
  return BuiltInSource();
}

void WritePositions(const BirthSky& sky, core::BirthRecord& r) {
  const auto& longitudes = sky.longitudes;
  r.Longitudes = longitudes;
  r.AyanamsaValue = -sky.ayanamsa;  // the record keeps it negative
  for (std::size_t k = 0; k < sky.origins.size(); ++k)
    r.BodyFromFiles[k] = sky.origins[k] == SkyOrigin::Files;
  r.EphemerisFiles =
      std::all_of(r.BodyFromFiles.begin(), r.BodyFromFiles.end(), [](bool files) { return files; });
  r.AscendantText = ephemeris::LongitudeText(longitudes[core::kLagna]);
  r.MoonLongitudeText = ephemeris::LongitudeText(longitudes[core::kMoon]);
  if (const int sign = ephemeris::SignOfLongitude(longitudes[core::kMoon]); sign >= 0)
    r.RashiName = std::string(ephemeris::kSanskritSignNames[sign]);
  for (int k = 0; k < 9; ++k) r.PositionNames[k] = r.BodyNames[k];  // before the marks
  r.PositionNames[10] = "Ascendant";
  for (int k = 0; k < core::kBodyCount; ++k)
    r.PositionTexts[k] = ephemeris::PositionText(longitudes[k]);
  for (std::size_t k = 0; k < sky.retrograde.size(); ++k)
    if (sky.retrograde[k]) {
      r.BodyNames[k] += sky::kRetrogradeMark;
      r.Retrograde[k] = true;
    }
}

std::array<SunDay, 3> WriteSunTimes(const BirthSky& sky, core::BirthRecord& r) {
  std::array<SunDay, 3> days{SunDay::RisesAndSets, SunDay::RisesAndSets, SunDay::RisesAndSets};
  const std::array<DateTime*, 6> targets{&r.PrevSunrise, &r.PrevSunset,  &r.Sunrise,
                                         &r.Sunset,      &r.NextSunrise, &r.NextSunset};
  for (DateTime* t : {targets[0], targets[1], targets[4], targets[5]}) t->reset();
  for (const std::size_t i : {std::size_t{1}, std::size_t{0}, std::size_t{2}}) {
    const auto& sun = sky.suns[i];
    if (!sun) continue;
    days[i] = sun->day;
    r.SunTimes[0] = *targets[2 * i] = sun->rise;
    r.SunTimes[1] = *targets[2 * i + 1] = sun->set;
    r.EphemerisFiles = r.EphemerisFiles && sun->origin == SkyOrigin::Files;
  }
  return days;
}

}  // namespace reading

#include "reading/swiss_sky.h"

#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"
#include "sky/retrogrades.h"

namespace reading {

namespace {

using namespace std::chrono;
using core::DateTime;
using sky::SunDay;

swiss::Place PlaceOf(const core::BirthValue& b) {
  return {b.latitude.Signed(), b.longitude.Signed()};
}

// The refusal of a reading the library could not compute. A file at fault is named in one of
// a few fixed sentences, translated whole (ui/common/library_texts.cpp lists them).
std::string Refusal(const std::string& error, const std::string& file) {
  if (file.empty()) return error;
  return "The Swiss Ephemeris file " + file +
         " is damaged or cannot be read. Reinstall the package swe-basic-data, or choose the "
         "built-in formulas in the Calculation menu.";
}

std::variant<LocalSun, std::string> SunOf(local_days date, const core::BirthValue& b,
                                          const core::SwissSettings& settings) {
  const auto sun =
      swiss::ComputeSunTimes(year_month_day{date}, b.offset.east, PlaceOf(b), settings);
  if (!sun.error.empty()) return Refusal(sun.error, sun.file);
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

std::variant<SwissSky, std::string> ComputeSwissSky(const core::BirthValue& b,
                                                    const core::SwissSettings& settings) {
  SwissSky sky;
  const sys_seconds ut{b.local.time_since_epoch() - b.offset.east};
  sky.positions = swiss::ComputePositions(ut, PlaceOf(b), settings);
  if (!sky.positions.error.empty()) return Refusal(sky.positions.error, sky.positions.file);
  const local_days birthDay = floor<days>(b.local);
  const auto store = [&](int offset) -> std::optional<std::string> {
    auto sun = SunOf(birthDay + days{offset}, b, settings);
    if (auto* why = std::get_if<std::string>(&sun)) return std::move(*why);
    sky.suns[static_cast<std::size_t>(offset + 1)] = std::get<LocalSun>(sun);
    return std::nullopt;
  };
  if (auto why = store(0)) return std::move(*why);
  // The rule of chakra::SelectPeriod: a birth in the date's daylight needs no neighbour.
  const LocalSun& date = *sky.suns[1];
  if (date.rise < date.set && date.rise <= b.local && b.local <= date.set) return sky;
  if (auto why = store(b.local < date.rise ? -1 : 1)) return std::move(*why);
  return sky;
}

void WriteSwissPositions(const SwissSky& sky, core::BirthRecord& r) {
  const swiss::Positions& p = sky.positions;
  r.Longitudes = p.longitudes;
  r.AyanamsaValue = -p.ayanamsa;  // the record keeps it negative, as the built-in formulas do
  r.EphemerisFiles = p.fromFiles;
  r.BodyFromFiles = p.bodyFromFiles;
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
}

std::array<SunDay, 3> WriteSwissSunTimes(const SwissSky& sky, core::BirthRecord& r) {
  std::array<SunDay, 3> days{SunDay::RisesAndSets, SunDay::RisesAndSets, SunDay::RisesAndSets};
  const std::array<DateTime*, 6> targets{&r.PrevSunrise, &r.PrevSunset,  &r.Sunrise,
                                         &r.Sunset,      &r.NextSunrise, &r.NextSunset};
  for (DateTime* t : {targets[0], targets[1], targets[4], targets[5]}) t->reset();
  // The birth date first, then its neighbour: the record's pair keeps the last one written.
  for (const std::size_t i : {std::size_t{1}, std::size_t{0}, std::size_t{2}}) {
    const auto& sun = sky.suns[i];
    if (!sun) continue;
    days[i] = sun->day;
    r.SunTimes[0] = *targets[2 * i] = sun->rise;
    r.SunTimes[1] = *targets[2 * i + 1] = sun->set;
    r.EphemerisFiles = r.EphemerisFiles && sun->fromFiles;
  }
  return days;
}

}  // namespace reading

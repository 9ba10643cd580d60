// The Swiss Ephemeris as a sky source, with the birth's settings. Where the library fails (a
// damaged ephemeris file) the reading is refused with the file named.

#include "reading/sky_source.h"
#include "swiss/swiss_ephemeris.h"

namespace reading {

namespace {

using namespace std::chrono;
using core::SunDay;

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

SkyOrigin OriginOf(bool fromFiles) {
  return fromFiles ? SkyOrigin::Files : SkyOrigin::Analytical;
}

class SwissSky : public SkySource {
 public:
  explicit SwissSky(const core::SwissSettings& settings) : settings_(settings) {}

  std::string Unavailable() const override { return swiss::Unavailable(); }

  std::variant<BirthSky, std::string> SkyOf(const core::BirthValue& b) const override {
    const sys_seconds ut{b.local.time_since_epoch() - b.offset.east};
    const swiss::Positions p = swiss::ComputePositions(ut, PlaceOf(b), settings_);
    if (!p.error.empty()) return Refusal(p.error, p.file);
    BirthSky sky;
    sky.longitudes = p.longitudes;
    sky.ayanamsa = p.ayanamsa;
    for (std::size_t k = 0; k < sky.origins.size(); ++k)
      sky.origins[k] = OriginOf(p.bodyFromFiles[k]);
    for (int k = 0; k < swiss::kPlanetCount; ++k)
      sky.retrograde[static_cast<std::size_t>(swiss::kFirstPlanet + k)] = p.speeds[k] < 0;
    const local_days birthDay = floor<days>(b.local);
    const auto store = [&](int offset) -> std::optional<std::string> {
      auto sun = SunOf(birthDay + days{offset}, b);
      if (auto* why = std::get_if<std::string>(&sun)) return std::move(*why);
      sky.suns[static_cast<std::size_t>(offset + 1)] = std::get<SunOfDate>(sun);
      return std::nullopt;
    };
    if (auto why = store(0)) return std::move(*why);
    // The rule of chakra::SelectPeriod: a birth in the date's daylight needs no neighbour,
    // and each search costs as much as the positions.
    const SunOfDate& date = *sky.suns[1];
    if (date.rise < date.set && date.rise <= b.local && b.local <= date.set) return sky;
    if (auto why = store(b.local < date.rise ? -1 : 1)) return std::move(*why);
    return sky;
  }

  std::variant<SunOfDate, std::string> SunOf(local_days date,
                                             const core::BirthValue& b) const override {
    const auto sun =
        swiss::ComputeSunTimes(year_month_day{date}, b.offset.east, PlaceOf(b), settings_);
    if (!sun.error.empty()) return Refusal(sun.error, sun.file);
    const auto local = [&](sys_seconds t) {
      return core::LocalTime{t.time_since_epoch() + b.offset.east};
    };
    const core::LocalTime midnight{date}, nextMidnight{date + days{1}};
    SunOfDate out{sun.day, sun.sunrise ? local(*sun.sunrise) : midnight,
                  sun.sunset ? local(*sun.sunset) : nextMidnight, OriginOf(sun.fromFiles)};
    if (sun.day == SunDay::NeverRises) out.rise = out.set = midnight + hours{12};
    return out;
  }

  std::optional<panchanga::SunMoon> At(panchanga::Instant t) const override {
    const swiss::SunAndMoon p = swiss::ComputeSunAndMoon(t, settings_);
    if (!p.error.empty()) return std::nullopt;
    return panchanga::SunMoon{p.sun, p.moon};
  }

 private:
  core::SwissSettings settings_;
};

}  // namespace

std::unique_ptr<SkySource> SwissSource(const core::SwissSettings& settings) {
  return std::make_unique<SwissSky>(settings);
}

}  // namespace reading

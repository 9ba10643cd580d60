#include "reading/birth_panchanga.h"

#include "reading/sky_source.h"

namespace reading {

namespace {

using namespace std::chrono;
using panchanga::Instant;

// The sunrise of the birth's date on its clock by the calculation's rule, searched; empty where
// the Sun does not rise that date, and where the calculation fails (then `failed` is set).
std::optional<local_seconds> SearchedSunrise(const core::BirthValue& b, bool& failed) {
  const auto sun = SourceOf(b)->SunOf(floor<days>(b.local), b);
  const auto* computed = std::get_if<SunOfDate>(&sun);
  failed = !computed;
  if (!computed) return std::nullopt;
  const bool rises =
      computed->day == core::SunDay::RisesAndSets || computed->day == core::SunDay::RisesOnly;
  if (!rises) return std::nullopt;
  return computed->rise;
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

std::optional<BirthPanchanga> PanchangaOf(const core::BirthRecord& r) {
  const core::BirthValue& b = r.Birth;
  bool failed = false;
  const auto sunrise = SunriseOf(r, failed);
  if (failed) return std::nullopt;
  const Instant moment{duration<double>(b.local.time_since_epoch() - b.offset.east)};
  const auto elements = panchanga::ElementsOf(*SourceOf(b), moment);
  if (!elements) return std::nullopt;
  return BirthPanchanga{panchanga::VaraOf(b.local, sunrise), *elements};
}

}  // namespace reading

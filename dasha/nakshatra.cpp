#include "dasha/nakshatra.h"

#include <array>
#include <cmath>

#include "ephemeris/angles.h"

namespace dasha {

namespace {

constexpr std::array<std::string_view, kLordCount> kLordNames = {
    "Ketu", "Venus", "Sun", "Moon", "Mars", "Rahu", "Jupiter", "Saturn", "Mercury"};

// Vimshottari years of each lord, in the order of the enum; they add up to 120.
constexpr std::array<int, kLordCount> kLordYears = {7, 20, 6, 10, 7, 18, 16, 19, 17};

constexpr std::array<std::string_view, 27> kNakshatraNames = {"Ashwini",
                                                              "Bharani",
                                                              "Krittika",
                                                              "Rohini",
                                                              "Mrigashira",
                                                              "Ardra",
                                                              "Punarvasu",
                                                              "Pushya",
                                                              "Ashlesha",
                                                              "Magha",
                                                              "Purva Phalguni",
                                                              "Uttara Phalguni",
                                                              "Hasta",
                                                              "Chitra",
                                                              "Swati",
                                                              "Vishakha",
                                                              "Anuradha",
                                                              "Jyeshtha",
                                                              "Mula",
                                                              "Purva Ashadha",
                                                              "Uttara Ashadha",
                                                              "Shravana",
                                                              "Dhanishta",
                                                              "Shatabhisha",
                                                              "Purva Bhadrapada",
                                                              "Uttara Bhadrapada",
                                                              "Revati"};

constexpr int kPadaCount = 27 * 4;
// How close to a pada boundary a longitude counts as on it, in padas: 1e-5 arc-seconds. A double
// near 360° carries about 1e-10 arc-seconds, so this only absorbs the rounding of degree texts.
constexpr double kBoundaryTolerance = 1e-5 / kPadaArcSeconds;

}  // namespace

std::string_view LordName(Lord lord) {
  return kLordNames[static_cast<std::size_t>(lord)];
}

int LordYears(Lord lord) {
  return kLordYears[static_cast<std::size_t>(lord)];
}

Lord NextLord(Lord lord) {
  return static_cast<Lord>((static_cast<int>(lord) + 1) % kLordCount);
}

std::optional<NakshatraPosition> NakshatraOf(double siderealLongitude) {
  if (!std::isfinite(siderealLongitude)) return std::nullopt;
  const double arcSeconds = ephemeris::NormalizedDegrees(siderealLongitude) * 3600.0;
  const double padas = arcSeconds / kPadaArcSeconds;  // [0, 108)
  const double nearest = std::nearbyint(padas);
  const bool onBoundary = std::fabs(padas - nearest) < kBoundaryTolerance;
  const int pada = static_cast<int>(onBoundary ? nearest : std::floor(padas)) % kPadaCount;
  const int nakshatra = pada / 4;

  NakshatraPosition p;
  p.number = nakshatra + 1;
  p.pada = pada % 4 + 1;
  p.lord = static_cast<Lord>(nakshatra % kLordCount);
  // On a boundary the passed part is whole padas exactly; elsewhere measured from the start.
  p.elapsedFraction = onBoundary ? (pada % 4) / 4.0 : padas / 4.0 - nakshatra;
  if (p.elapsedFraction < 0) p.elapsedFraction = 0;  // not reached; keeps [0, 1) obvious
  if (p.elapsedFraction >= 1) p.elapsedFraction = std::nextafter(1.0, 0.0);
  return p;
}

std::string_view NakshatraName(int number) {
  if (number < 1 || number > 27) return {};
  return kNakshatraNames[static_cast<std::size_t>(number - 1)];
}

}  // namespace dasha

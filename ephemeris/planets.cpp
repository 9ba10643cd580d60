#include "ephemeris/planets.h"

#include <array>
#include <cmath>
#include <string>

#include "core/universal_time.h"
#include "ephemeris/birth_instant.h"
#include "ephemeris/calendar_angles.h"

namespace modVedicPlanetPosition {

namespace {

using ephemeris::DegToRad;
using ephemeris::Pi;
using ephemeris::RadToDeg;
using ephemeris::TwoPi;

// A mean element at J2000.0 and its rate per Julian century.
struct Element {
  double value, rate;
};

// Mean orbital elements: a (AU), e, and the angles i, node, perihelion, mean longitude in
// degrees with rates in arc-seconds per century.
struct Orbit {
  Element a, e, i, node, perihelion, meanLongitude;
};

// Low-precision J2000 Keplerian elements of the major planets with centennial rates. Without
// mutual perturbations the geocentric longitudes stay within 0.03° (Sun, Mercury, Venus),
// 0.1° (Mars) and 0.2° (Jupiter, Saturn) of a full ephemeris over 1901 to 2050.
constexpr std::array<Orbit, 6> kOrbits = {{
    {{0.38709893, 0.00000066},
     {0.20563069, 0.00002527},
     {7.00487, -23.51},
     {48.33167, -446.30},
     {77.45645, 573.57},
     {252.25084, 538101628.29}},  // Mercury
    {{0.72333199, 0.00000092},
     {0.00677323, -0.00004938},
     {3.39471, -2.86},
     {76.68069, -996.89},
     {131.53298, -108.80},
     {181.97973, 210664136.06}},  // Venus
    {{1.00000011, -0.00000005},
     {0.01671022, -0.00003804},
     {0, 0},
     {0, 0},
     {102.94719, 1198.28},
     {100.46435, 129597740.63}},  // Earth (inclination and node not used)
    {{1.52366231, -0.00007221},
     {0.09341233, 0.00011902},
     {1.85061, -25.47},
     {49.57854, -1020.19},
     {336.04084, 1560.78},
     {355.45332, 68905103.78}},  // Mars
    {{5.20336301, 0.00060737},
     {0.04839266, -0.00012880},
     {1.30530, -4.15},
     {100.55615, 1217.17},
     {14.75385, 839.93},
     {34.40438, 10925078.35}},  // Jupiter
    {{9.53707032, -0.00301530},
     {0.05415060, -0.00036762},
     {2.48446, 6.11},
     {113.71504, -1591.05},
     {92.43194, -1948.89},
     {49.94432, 4401052.95}},  // Saturn
}};

constexpr int kEarth = 2;
// Body index of the position table rows 0 and 2..6: Sun (from the Earth), Mercury .. Saturn.
constexpr std::array<int, 7> kTableBody = {kEarth, -1, 0, 1, 3, 4, 5};

double AngleAt(const Element& element, double T) {
  return (element.value + element.rate * T / 3600) * DegToRad;
}

// Heliocentric ecliptic x, y of a body at T centuries from J2000.0 (AU).
struct PlanePoint {
  double x, y;
};

PlanePoint HeliocentricPosition(int index, double T) {
  const Orbit& o = kOrbits[index];
  const double a = o.a.value + o.a.rate * T;
  const double e = o.e.value + o.e.rate * T;
  const double perihelion = AngleAt(o.perihelion, T);
  const double L = ephemeris::ReduceRadians(AngleAt(o.meanLongitude, T));
  const double nu = SolveKepler(ephemeris::ReduceRadians(L - perihelion), e);
  const double r = a * (1 - e * e) / (1 + e * std::cos(nu));
  if (index == kEarth)  // the Earth's orbit is taken to lie in the ecliptic
    return {r * std::cos(nu + perihelion), r * std::sin(nu + perihelion)};
  const double node = AngleAt(o.node, T);
  const double i = AngleAt(o.i, T);
  const double u = nu + perihelion - node;
  return {r * (std::cos(node) * std::cos(u) - std::sin(node) * std::sin(u) * std::cos(i)),
          r * (std::sin(node) * std::cos(u) + std::cos(node) * std::sin(u) * std::cos(i))};
}

// Geocentric longitude in degrees, [0, 360], of a body seen from the Earth's place.
double LongitudeSeenFrom(const PlanePoint& earth, int index, double T) {
  const PlanePoint body = index == kEarth ? PlanePoint{0, 0} : HeliocentricPosition(index, T);
  double longitude = ephemeris::QuadrantArctan(body.y - earth.y, body.x - earth.x) * 180 / Pi;
  while (longitude > 360) longitude -= 360;
  while (longitude < 0) longitude += 360;
  return longitude;
}

// Degrees wrapped into [0, 360).
double WrapDegrees(double degrees) {
  while (degrees < 0) degrees += 360;
  while (degrees >= 360) degrees -= 360;
  return degrees;
}

// Mean lunar node, sidereal: the mean motion of the node with the program's historic
// conversion factor and one-degree offset; within about a degree of the mean node.
double RahuLongitude(double d, double ayanamsa) {
  const double node = ephemeris::ReduceRadians((125.1228 - 0.0529538083 * d) * DegToRad);
  double rahu = node * 180 / 3.1416 - 1 - ayanamsa;
  while (rahu < 0) rahu += 360;
  return rahu;
}

}  // namespace

// Ascendant from the local sidereal time, the obliquity and the latitude; the tropical
// ascendant is good to about one arc-minute.
void ComputeAscendant(core::BirthRecord& record) {
  const double U = core::UniversalHours(record);
  const double T = ephemeris::BirthCenturiesSince(record, 2415020);
  record.AyanamsaValue = Ayanamsa1900(T);

  // Right ascension of the meridian (local sidereal time in degrees).
  double R =
      15 * (6.6460656 + 2400.0513 * T + 0.0000258 * T * T + U) - core::SignedLongitude(record);
  while (R >= 360) R -= 360;
  const double obliquity = 23.452294 - 0.0130125 * T;
  const double r = R * DegToRad, eps = obliquity * DegToRad;
  const double phi = core::SignedLatitude(record) * DegToRad;
  const double y = std::cos(r);
  const double x = -std::sin(r) * std::cos(eps) - std::sin(eps) * std::tan(phi);
  double a = ephemeris::QuadrantArctan(y, x);
  if (a < 0) a += Pi;
  if (std::cos(r) < 0) a += Pi;
  double degrees = a * RadToDeg;
  while (degrees >= 360) degrees -= 360;

  double sidereal = degrees + record.AyanamsaValue;
  if (sidereal < 0) sidereal += 360;
  if (sidereal > 360) sidereal -= 360;
  record.AscendantText = ephemeris::LongitudeText(sidereal);
}

void ComputePositionTable(core::BirthRecord& record) {
  static constexpr std::array<const char*, 9> kNames = {
      "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};
  for (std::size_t k = 0; k < kNames.size(); ++k) record.PositionNames[k] = kNames[k];
  record.PositionNames[10] = "Ascendant";

  const core::CivilTime ut = core::UniversalCivilTime(record);
  const double d = ephemeris::DaysSinceJ2000(ut.year, ut.month, ut.day, ut.hour, ut.minute);
  const double ayanamsa = std::fabs(record.AyanamsaValue);

  std::array<std::string, core::kBodyCount> texts;
  // The orbits give longitudes on the equinox of J2000.0; precess them to the date before
  // taking off the ayanamsa, which is measured from the equinox of the date.
  const double T = d / 36525;
  const double precession = PrecessionFromJ2000(T);
  const PlanePoint earth = HeliocentricPosition(kEarth, T);  // one Earth for every body
  for (std::size_t slot = 0; slot < kTableBody.size(); ++slot) {
    if (kTableBody[slot] < 0) continue;
    const double tropical = LongitudeSeenFrom(earth, kTableBody[slot], T) + precession;
    texts[slot] = ephemeris::LongitudeText(WrapDegrees(tropical - ayanamsa));
  }
  texts[core::kMoon] = record.MoonLongitudeText;
  const double rahu = RahuLongitude(d, ayanamsa);
  double ketu = rahu + 180;
  while (ketu >= 360) ketu -= 360;  // 360 itself would carry no sign
  texts[7] = ephemeris::LongitudeText(rahu);
  texts[8] = ephemeris::LongitudeText(ketu);
  texts[core::kLagna] = record.AscendantText;

  for (int k = 0; k < core::kBodyCount; ++k)
    record.PositionTexts[k] = ephemeris::PositionText(texts[k]);
}

// Lahiri-type ayanamsa from the epoch 1900 with the main nutation terms, negative degrees;
// about 22.46° at T = 0, growing 1.396° a century.
double Ayanamsa1900(double T) {
  double node = (933060 - 6962911 * T + 7.5 * T * T) / 3600;
  while (node >= 360) node -= 360;
  const double twiceSunLongitude = (2013816 + 259205536 * T) / 3600;
  const double nutation =
      1.27 * std::sin(twiceSunLongitude * DegToRad) + 17.23 * std::sin(node * DegToRad);
  return (nutation - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
}

// Geocentric place as the difference of two heliocentric Kepler orbits, no light-time,
// aberration, nutation or perturbations: see the element table for the accuracy.
double GeocentricLongitude(int index, double d) {
  const double T = d / 36525;
  return LongitudeSeenFrom(HeliocentricPosition(kEarth, T), index, T);
}

// Newton's method on Kepler's equation, then the true anomaly. Converges in a handful of
// steps for the planets' eccentricities; the cap only guards against a pathological input.
double SolveKepler(double M, double e) {
  constexpr int kMaxIterations = 100;
  double E = M + e * std::sin(M) * (1 + e * std::cos(M));
  for (int step = 0; step < kMaxIterations; ++step) {
    const double previous = E;
    E = previous - (previous - e * std::sin(previous) - M) / (1 - e * std::cos(previous));
    if (!(std::fabs(previous - E) > 1e-12)) break;
  }
  double nu = 2 * std::atan(std::sqrt((1 + e) / (1 - e)) * std::tan(E / 2));
  if (nu < 0) nu += TwoPi;
  return nu;
}

// General precession in longitude, IAU 1976 rate; good to well under an arc-second a century.
double PrecessionFromJ2000(double T) {
  return 1.396971278 * T + 0.0003086 * T * T;
}

}  // namespace modVedicPlanetPosition

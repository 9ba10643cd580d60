#include "ephemeris/planets.h"

#include <array>
#include <cmath>
#include <string>

#include "core/longitude.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"

namespace ephemeris {

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

// Keplerian elements of the major planets at J2000.0 with centennial rates (Standish, "Keplerian
// Elements for Approximate Positions of the Major Planets", JPL, table 1). Without mutual
// perturbations the geocentric longitudes stay within 0.03° (Sun, Mercury, Venus), 0.1° (Mars)
// and 0.2° (Jupiter, Saturn) of a high-precision ephemeris over 1901 to 2050.
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

// Geocentric longitude in degrees, [0, 360), of a body seen from the Earth's place: the
// difference of two heliocentric Kepler orbits, no light-time, aberration, nutation or
// perturbations; see the element table for the accuracy.
double LongitudeSeenFrom(const PlanePoint& earth, int index, double T) {
  const PlanePoint body = index == kEarth ? PlanePoint{0, 0} : HeliocentricPosition(index, T);
  return ephemeris::NormalizedDegrees(
      ephemeris::QuadrantArctan(body.y - earth.y, body.x - earth.x) * 180 / Pi);
}

// Half a turn in the node's conversion to degrees, as the program has always written it; the
// readings are frozen, so it stays.
constexpr double kNodeHalfTurn = 3.1416;

// Mean lunar node, sidereal: the node's mean motion (Schlyter, "How to compute planetary
// positions": 125.1228° - 0.0529538083° a day) with the historic conversion factor above and a
// one-degree offset; within 0.95° of the true node over 1901 to 2050.
double RahuLongitude(double d, double ayanamsa) {
  const double node = ephemeris::ReduceRadians((125.1228 - 0.0529538083 * d) * DegToRad);
  return ephemeris::NormalizedDegrees(node * 180 / kNodeHalfTurn - 1 - ayanamsa);
}

}  // namespace

// Ascendant from the local sidereal time, the obliquity and the latitude: Newcomb's sidereal
// time and obliquity (Explanatory Supplement to the Astronomical Ephemeris, 1961), the
// ascendant from them as in Meeus, Astronomical Algorithms, 2nd ed., ch. 14; the sidereal
// ascendant is within 0.02° of a high-precision ephemeris over 1901 to 2050.
double SiderealAscendant(const ephemeris::BirthInstant& instant, double ayanamsa1900) {
  const double T = ephemeris::CenturiesSince(instant, ephemeris::kJ1900);

  // Right ascension of the meridian (local sidereal time in degrees). It is never negative
  // from 1901 on, where the normaliser only takes whole turns off as before.
  const double R = ephemeris::NormalizedDegrees(
      15 * (6.6460656 + 2400.0513 * T + 0.0000258 * T * T + instant.universalHours) +
      instant.longitudeEast);
  const double obliquity = 23.452294 - 0.0130125 * T;
  const double r = R * DegToRad, eps = obliquity * DegToRad;
  const double phi = instant.latitude * DegToRad;
  const double y = std::cos(r);
  const double x = -std::sin(r) * std::cos(eps) - std::sin(eps) * std::tan(phi);
  double a = ephemeris::QuadrantArctan(y, x);
  if (a < 0) a += Pi;
  if (std::cos(r) < 0) a += Pi;
  const double degrees = ephemeris::NormalizedDegrees(a * RadToDeg);
  return ephemeris::NormalizedDegrees(degrees + ayanamsa1900);
}

void ComputeAscendant(core::BirthRecord& record, const ephemeris::BirthInstant& instant) {
  record.AyanamsaValue = Ayanamsa1900(ephemeris::CenturiesSince(instant, ephemeris::kJ1900));
  const double sidereal = SiderealAscendant(instant, record.AyanamsaValue);
  record.Longitudes[core::kLagna] = sidereal;
  record.AscendantText = ephemeris::LongitudeText(sidereal);
}

void SiderealPlanets(const ephemeris::BirthInstant& instant, double ayanamsa,
                     std::array<double, core::kBodyCount>& longitudes) {
  const ephemeris::CivilDate& date = instant.universalDate;
  const double d = ephemeris::DaysSinceJ2000(date.year, date.month, date.day, instant.universalHour,
                                             instant.universalMinute, instant.universalSecond);

  // The orbits give longitudes on the equinox of J2000.0; precess them to the date before
  // taking off the ayanamsa, which is measured from the equinox of the date.
  const double T = d / ephemeris::kDaysPerCentury;
  const double precession = PrecessionFromJ2000(T);
  const PlanePoint earth = HeliocentricPosition(kEarth, T);  // one Earth for every body
  for (std::size_t slot = 0; slot < kTableBody.size(); ++slot) {
    if (kTableBody[slot] < 0) continue;
    const double tropical = LongitudeSeenFrom(earth, kTableBody[slot], T) + precession;
    longitudes[slot] = ephemeris::NormalizedDegrees(tropical - ayanamsa);
  }
  longitudes[7] = RahuLongitude(d, ayanamsa);
  longitudes[8] = ephemeris::NormalizedDegrees(longitudes[7] + 180);
}

void ComputePositionTable(core::BirthRecord& record, const ephemeris::BirthInstant& instant) {
  for (std::size_t k = 0; k < core::kPlanetCount; ++k)
    record.PositionNames[k] = core::kBodyNames[k];
  record.PositionNames[10] = "Ascendant";
  SiderealPlanets(instant, std::fabs(record.AyanamsaValue), record.Longitudes);
  // The Moon's and the ascendant's longitudes are those their own steps stored.
  for (int k = 0; k < core::kBodyCount; ++k)
    record.PositionTexts[k] = ephemeris::PositionText(record.Longitudes[k]);
}

// The steps of the two functions above for the Sun alone: the ayanamsa of the ascendant's
// epoch, the Earth's orbit precessed to the date.
double SiderealSunLongitude(const ephemeris::BirthInstant& instant) {
  const double ayanamsa =
      std::fabs(Ayanamsa1900(ephemeris::CenturiesSince(instant, ephemeris::kJ1900)));
  const ephemeris::CivilDate& date = instant.universalDate;
  const double d = ephemeris::DaysSinceJ2000(date.year, date.month, date.day, instant.universalHour,
                                             instant.universalMinute, instant.universalSecond);
  const double T = d / ephemeris::kDaysPerCentury;
  const PlanePoint earth = HeliocentricPosition(kEarth, T);
  return ephemeris::NormalizedDegrees(LongitudeSeenFrom(earth, kEarth, T) + PrecessionFromJ2000(T) -
                                      ayanamsa);
}

// Lahiri-type ayanamsa from the epoch 1900: Newcomb's general precession and the two largest
// nutation terms in longitude (Woolard 1953), negative degrees; about 22.46° at T = 0, growing
// 1.396° a century; its error is part of each body's figure in the accuracy table.
double Ayanamsa1900(double T) {
  double node = (933060 - 6962911 * T + 7.5 * T * T) / 3600;
  // Only whole turns above 360 come off: the sine of a negative node is taken as it is.
  if (node >= 360) node = ephemeris::NormalizedDegrees(node);
  const double twiceSunLongitude = (2013816 + 259205536 * T) / 3600;
  const double nutation =
      1.27 * std::sin(twiceSunLongitude * DegToRad) + 17.23 * std::sin(node * DegToRad);
  return (nutation - T * (5025.64 + 1.11 * T) - 80861.27) / 3600;
}

// Newton's method on Kepler's equation (Meeus ch. 30, second method), then the true anomaly;
// to 1e-12 rad in a handful of steps for the planets' eccentricities, the cap only guards
// against a pathological input.
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

// General precession in longitude, IAU 1976 (Lieske 1977, Meeus ch. 21); well under an
// arc-second a century from the full expression over 1901 to 2050.
double PrecessionFromJ2000(double T) {
  return 1.396971278 * T + 0.0003086 * T * T;
}

}  // namespace ephemeris

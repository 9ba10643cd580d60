#include "ephemeris/moon.h"

#include <array>
#include <cmath>
#include <string>

#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"

namespace ephemeris {

namespace {

using ephemeris::DegToRad;

// One periodic term of the Moon's longitude: multiples of D, M, M' and F, the coefficient
// in degrees, and whether it scales with the Earth's orbital eccentricity factor E.
struct LunarTerm {
  int d, m, mPrime, f;
  double degrees;
  bool timesE;
};

// The 25 largest periodic terms of the lunar longitude series (Meeus, Astronomical Algorithms,
// 2nd ed., ch. 47, table 47.A): within 0.05° of a high-precision ephemeris over 1901 to 2050.
constexpr std::array<LunarTerm, 25> kLunarTerms = {{
    {0, 0, 1, 0, 6.288774, false},   {2, 0, -1, 0, 1.274027, false}, {2, 0, 0, 0, 0.658314, false},
    {0, 0, 2, 0, 0.213618, false},   {0, 1, 0, 0, -0.185116, true},  {0, 0, 0, 2, -0.114332, false},
    {2, 0, -2, 0, 0.058793, false},  {2, -1, -1, 0, 0.057066, true}, {2, 0, 1, 0, 0.053322, false},
    {2, -1, 0, 0, 0.045758, true},   {0, 1, -1, 0, -0.040923, true}, {1, 0, 0, 0, -0.03472, false},
    {0, 1, 1, 0, -0.030383, true},   {2, 0, 0, -2, 0.015327, false}, {0, 0, 1, 2, -0.012528, false},
    {0, 0, 1, -2, 0.01098, false},   {4, 0, -1, 0, 0.010675, false}, {0, 0, 3, 0, 0.010034, false},
    {4, 0, -2, 0, 0.008548, false},  {2, 1, -1, 0, -0.007888, true}, {2, 1, 0, 0, -0.006766, true},
    {1, 0, -1, 0, -0.005163, false}, {1, 1, 0, 0, 0.004987, true},   {2, -1, 1, 0, 0.004036, true},
    {2, 0, 2, 0, 0.003994, false},
}};

// Tropical longitude of the Moon in degrees, in [0, 360), T in centuries from J2000.0: mean
// longitude and arguments from Meeus ch. 47 (eq. 47.1 to 47.6), then the terms above; 0.05°.
double TropicalMoonLongitude(double T) {
  const double meanLongitude = 218.3164591 + 481267.88134236 * T;
  const double D = (297.8502042 + 445267.1115168 * T) * DegToRad;
  const double M = (357.5291092 + 35999.0502909 * T) * DegToRad;
  const double MPrime = (134.9634114 + 477198.8676313 * T) * DegToRad;
  const double F = (93.2720993 + 483202.0175273 * T) * DegToRad;
  const double E = 1 - 0.002516 * T - 0.0000074 * T * T;
  double sum = 0;
  for (const LunarTerm& t : kLunarTerms) {
    const double term = t.degrees * std::sin(t.d * D + t.m * M + t.mPrime * MPrime + t.f * F);
    sum += t.timesE ? term * E : term;
  }
  return ephemeris::NormalizedDegrees(meanLongitude + sum);
}

}  // namespace

double SiderealMoonLongitude(const ephemeris::BirthInstant& instant) {
  const double T = ephemeris::CenturiesSince(instant, ephemeris::kJ2000);
  return ephemeris::NormalizedDegrees(TropicalMoonLongitude(T) + Ayanamsa2000(T));
}

void ComputeMoonAndRashi(core::BirthRecord& record, const ephemeris::BirthInstant& instant) {
  const double sidereal = SiderealMoonLongitude(instant);
  record.Longitudes[core::kMoon] = sidereal;
  record.MoonLongitudeText = ephemeris::LongitudeText(sidereal);
  const int k = ephemeris::SignOfLongitude(sidereal);
  if (k >= 0) record.RashiName = std::string(ephemeris::kSanskritSignNames[k]);
}

// Lahiri-type ayanamsa: Newcomb's general precession (5025.64" a century, 1.11" T^2) and the
// two largest nutation terms in longitude (Woolard 1953: mean node, twice the Sun's mean
// longitude), negative so that adding it to a tropical longitude gives the sidereal; within
// 4" of the J1900 form over 1901 to 2050, its error is part of the Moon's 0.05°.
double Ayanamsa2000(double T) {
  const double node = 125.044555 - 1934.1361849 * T + 0.0020762 * T * T;
  const double sunMeanLongitude = 280.466449 + 36000.7698231 * T + 0.0003106 * T * T;
  const double nutation =
      17.23 * std::sin(node * DegToRad) + 1.27 * std::sin(2 * sunMeanLongitude * DegToRad);
  return (nutation - T * (5025.64 + 1.11 * T) - 85886.27) / 3600;
}

}  // namespace ephemeris

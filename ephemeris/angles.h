#pragma once
// Angle arithmetic for every formula of the library: the one normaliser of degrees, the
// constants the formulas were first computed with, the epochs they count from, and the sign
// of a sidereal longitude. Longitudes are east positive, latitudes north positive.

namespace ephemeris {

// Pi and the degree conversions to 15 significant digits, as the formulas were first
// written. They fall short of std::numbers::pi in the last bits, and the readings are frozen:
// the exact values move the ayanamsa (shown to the last digit) and the position texts.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;
inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;

// The epochs as Julian dates: J2000.0 (2000 January 1, 12 h) and J1900.0 (1899 December 31,
// 12 h), and the Julian century in days.
inline constexpr double kJ2000 = 2451545.0;
inline constexpr double kJ1900 = 2415020.0;
inline constexpr double kDaysPerCentury = 36525.0;

// Degrees brought into [0, 360): 360, -720 and -0.0 give +0.0. The remainder is exact, so
// this equals stepping whole turns of 360 one at a time (each step is exact below 2^55);
// only the last step up from a negative value rounds, and a result that rounds to 360 is 0.
double NormalizedDegrees(double degrees);

// Angle of y / x in radians placed by the signs of y and x, in [-Pi, Pi]; 0 when y is 0.
double QuadrantArctan(double y, double x);
// x reduced to [0, TwoPi) by the fractional part of x / TwoPi; not exact in the last bits,
// and kept so because the planets' frozen positions were computed with it.
double ReduceRadians(double x);

// Sign 0 (Aries) .. 11 (Pisces) of a longitude in degrees, as its text shows it: from the
// truncated whole degrees of its magnitude, so a longitude a hair below a boundary stays in
// the earlier sign. -1 from 360 on (the text then shows no sign) and for NaN.
int SignOfLongitude(double longitude);

}  // namespace ephemeris

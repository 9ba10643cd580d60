#pragma once
// Calendar day counts, angle arithmetic, the sign table and the two text forms in which a
// sidereal longitude leaves the ephemeris. Pure functions of their arguments.

#include <array>
#include <string>
#include <string_view>

namespace ephemeris {

inline constexpr double DegToRad = 0.0174532925199433;
inline constexpr double RadToDeg = 57.2957795130823;
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;

// Sign abbreviations, three letters each, Aries first.
inline constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
inline constexpr std::array<std::string_view, 12> kSanskritSignNames = {
    "Mesha", "Vrishabha",  "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishchika", "Dhanush", "Makara", "Kumbha", "Meena"};

// Abbreviation of sign k (0..11); empty for any other k.
std::string_view SignAbbreviation(int k);
// Index 0..11 of a three-letter abbreviation, compared exactly; -1 when it is none.
int SignIndex(std::string_view abbreviation);
// The sign abbreviation held in characters 4 to 6 of a short position text ("" if short).
std::string_view SignOfPositionText(std::string_view positionText);

// Julian day number of the date (the Julian date of its noon); Julian calendar up to and
// including day number 2299171, Gregorian after it.
double JulianDayNumber(int month, int day, int year);
// Days from 2000 January 1, 12:00 UT; exact from 1 March 1900 to 28 February 2100.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute);
// Angle of y / x in radians placed by the signs of y and x, in [-Pi, Pi]; 0 when y is 0.
double QuadrantArctan(double y, double x);
// x reduced to [0, TwoPi).
double ReduceRadians(double x);

// "15° 30' 0\" Tau": degrees within the sign, minutes, seconds (all truncated), sign.
std::string LongitudeText(double longitude);
// "15 Tau 30": two-digit degrees, sign, two-digit minutes, from a long longitude text.
std::string PositionText(std::string_view longitudeText);

}  // namespace ephemeris

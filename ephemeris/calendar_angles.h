#pragma once
// Calendar day counts, the sign table and the two text forms in which a sidereal longitude
// leaves the ephemeris. Pure functions of their arguments.

#include <array>
#include <string>
#include <string_view>

#include "core/longitude.h"

namespace ephemeris {

// Sign abbreviations, three letters each, Aries first.
inline constexpr std::string_view kSignAbbreviations = "AriTauGemCanLeoVirLibScoSagCapAquPis";
using core::kSanskritSignNames;

// Abbreviation of sign k (0..11); empty for any other k.
std::string_view SignAbbreviation(int k);
// Index 0..11 of a three-letter abbreviation, compared exactly; -1 when it is none.
int SignIndex(std::string_view abbreviation);

// Julian day number of the date (the Julian date of its noon); Julian calendar up to and
// including day number 2299171, Gregorian after it.
double JulianDayNumber(int month, int day, int year);
// Days from 2000 January 1, 12:00 UT; exact from 1 March 1900 to 28 February 2100.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute, int second = 0);

// "15° 30' 0\" Tau": degrees within the sign, minutes, seconds (all truncated), sign.
std::string LongitudeText(double longitude);
// "15 Tau 30": two-digit degrees, sign, two-digit minutes; the same truncated figures.
std::string PositionText(double longitude);

}  // namespace ephemeris

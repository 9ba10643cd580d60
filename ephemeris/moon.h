#pragma once
// The Moon's sidereal longitude at birth from the 25 largest terms of the lunar longitude
// series, and the Rashi, the sign in which the Moon stands.

#include "core/birth_record.h"
#include "ephemeris/birth_instant.h"

namespace ephemeris {

// Writes the Moon's longitude, MoonLongitudeText and RashiName for the instant.
void ComputeMoonAndRashi(core::BirthRecord& record, const ephemeris::BirthInstant& instant);

// The Moon's sidereal longitude in degrees, [0, 360), as ComputeMoonAndRashi stores it.
double SiderealMoonLongitude(const ephemeris::BirthInstant& instant);

// Minus the ayanamsa in degrees, T in Julian centuries from J2000.0.
double Ayanamsa2000(double T);

}  // namespace ephemeris

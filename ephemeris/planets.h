#pragma once
// The ascendant from local sidereal time, the Sun and planets from two-body Keplerian
// orbits, the mean lunar nodes, and the table of the ten position texts.

#include <array>

#include "core/birth_record.h"
#include "ephemeris/birth_instant.h"

namespace ephemeris {

// Writes AyanamsaValue, the ascendant's longitude and AscendantText for the instant.
void ComputeAscendant(core::BirthRecord& record, const ephemeris::BirthInstant& instant);
// Writes PositionNames, the longitudes of the Sun, the planets and the nodes, and the
// PositionTexts slots 0..9 from all ten longitudes; needs the ascendant and the Moon.
void ComputePositionTable(core::BirthRecord& record, const ephemeris::BirthInstant& instant);

// The same steps as numbers, for a calculation that writes the record itself: the sidereal
// ascendant for the ayanamsa Ayanamsa1900 gives (negative degrees), and the Sun, the planets
// and the nodes (slots 0 and 2..8; the Moon and the ascendant untouched) less `ayanamsa`
// (positive degrees).
double SiderealAscendant(const ephemeris::BirthInstant& instant, double ayanamsa1900);
void SiderealPlanets(const ephemeris::BirthInstant& instant, double ayanamsa,
                     std::array<double, core::kBodyCount>& longitudes);

// The Sun's sidereal longitude in degrees, [0, 360), as ComputeAscendant and
// ComputePositionTable together store it, for any instant (the panchanga's searches).
double SiderealSunLongitude(const ephemeris::BirthInstant& instant);

// Minus the ayanamsa in degrees, T in Julian centuries from JD 2415020.0.
double Ayanamsa1900(double T);
// True anomaly in [0, TwoPi) for mean anomaly M (radians) and eccentricity e < 1.
double SolveKepler(double M, double e);
// Precession in longitude from J2000.0 to the date, degrees; T in centuries from J2000.0.
double PrecessionFromJ2000(double T);

}  // namespace ephemeris

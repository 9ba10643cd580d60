#pragma once
// The ascendant from local sidereal time, the Sun and planets from two-body Keplerian
// orbits, the mean lunar nodes, and the table of the ten position texts.

#include "core/birth_record.h"

namespace modVedicPlanetPosition {

// Writes AyanamsaValue and AscendantText.
void ComputeAscendant(core::BirthRecord& record);
// Writes PositionNames and PositionTexts slots 0..9; needs the ascendant and the Moon.
void ComputePositionTable(core::BirthRecord& record);

// Minus the ayanamsa in degrees, T in Julian centuries from JD 2415020.0.
double Ayanamsa1900(double T);
// Geocentric tropical longitude in degrees, equinox of J2000.0, in [0, 360].
// Body index: 0 Mercury, 1 Venus, 2 Earth (gives the Sun), 3 Mars, 4 Jupiter, 5 Saturn.
double GeocentricLongitude(int index, double d);
// True anomaly in [0, TwoPi) for mean anomaly M (radians) and eccentricity e < 1.
double SolveKepler(double M, double e);
// Precession in longitude from J2000.0 to the date, degrees; T in centuries from J2000.0.
double PrecessionFromJ2000(double T);

}  // namespace modVedicPlanetPosition

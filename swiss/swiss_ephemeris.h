#pragma once
// Positions and sunrise from the Swiss Ephemeris (Debian's libswe, AGPL-3.0), the second
// calculation beside the built-in formulas. The files of swe-basic-data (compressed from
// JPL's DE431; 1 January 1800 to 2399) serve where they cover the moment; elsewhere, or where
// they cannot be read, the library's analytical Moshier ephemeris, and the results say which.
// Measured against the files over 1800 to 2400, Moshier is within 1.3" for the Sun and the
// planets, 4.2" for the Moon, 0.001" for the mean node and 61" for the true node.
//
// The library keeps its settings process-wide. Every call here takes one lock, sets the path
// (once), the ayanamsa and the flags afresh, so no call inherits another's choices, and the
// calls are safe from any thread. The library (libswe.so.2) is loaded by the first call, not
// linked: a program that never asks for it neither loads it nor pays for it at start-up. Where
// it cannot be loaded, every call returns an error saying so. This header does not include the
// library's own header.

#include <array>
#include <chrono>
#include <optional>
#include <string>

#include "core/birth_record.h"
#include "core/calculation.h"
#include "core/sun_day.h"

namespace swiss {

// The choices, as the birth carries them (core/calculation.h).
using Ayanamsa = core::Ayanamsa;
using Node = core::Node;
using SunriseRule = core::SunriseRule;
using Settings = core::SwissSettings;

struct Place {
  double latitude = 0;       // degrees, north positive, -90..90
  double longitudeEast = 0;  // degrees, east positive, -180..180
};

// The five planets whose speed decides retrograde motion, in body order 2..6.
inline constexpr int kFirstPlanet = 2;
inline constexpr int kPlanetCount = 5;

// The bodies whose source is told: Sun .. Ketu in core's body order.
inline constexpr int kSourcedBodies = 9;

struct Positions {
  std::string error;  // empty when computed; otherwise what failed, and nothing else is valid
  // With an error, the ephemeris file at fault ("sepl_18.se1"): one the library could not
  // read, or whose positions are not those of the sky (see ComputePositions); else empty.
  std::string file;
  // Sidereal degrees in [0, 360), in core's body order: Sun, Moon, Mercury, Venus, Mars,
  // Jupiter, Saturn, Rahu (the node itself), Ketu (opposite), ascendant.
  std::array<double, core::kBodyCount> longitudes{};
  // Sidereal longitude speeds of Mercury .. Saturn in degrees per day; below 0: retrograde.
  std::array<double, kPlanetCount> speeds{};
  double ayanamsa = 0;  // degrees, nutation included, taken off the tropical longitudes
  // Per body, Sun .. Ketu: true where the files gave it, false where the analytical
  // ephemeris did (the library falls back by itself for a body whose file it cannot find).
  std::array<bool, kSourcedBodies> bodyFromFiles{};
  bool fromFiles = false;  // every body from the files
};

using core::SunDay;

struct SunTimes {
  std::string error;  // empty when computed
  std::string file;   // with an error, the ephemeris file at fault, as for Positions
  SunDay day = SunDay::RisesAndSets;
  // Universal time to the nearest second. The sunrise is the first of the date; the sunset
  // the first after that sunrise, within a day of it and so perhaps on the next date (after
  // midnight when there is no sunrise, and then within the date).
  std::optional<std::chrono::sys_seconds> sunrise, sunset;
  bool fromFiles = false;
};

// The positions at a universal-time instant (proleptic Gregorian calendar, as std::chrono).
// Every body the files gave is held against the analytical ephemeris: the library reads a
// file's coefficients unchecked, so a damaged file can give any position without an error;
// a body further from the analytical one than four times their largest difference is an
// error naming the file.
Positions ComputePositions(std::chrono::sys_seconds universalTime, Place place,
                           const Settings& settings);

struct SunAndMoon {
  std::string error;         // empty when computed
  double sun = 0, moon = 0;  // sidereal degrees in [0, 360), as ComputePositions gives them
};

// The Sun and the Moon alone at any instant, from the same ephemeris and ayanamsa as
// ComputePositions (without the check against the analytical ephemeris, which the reading's
// own positions have passed): the panchanga's searches call it some thirty times a reading.
SunAndMoon ComputeSunAndMoon(std::chrono::sys_time<std::chrono::duration<double>> universalTime,
                             const Settings& settings);

// Sunrise and sunset of a local civil date; utcOffset is local clock minus universal time
// (+05:30 for India), daylight saving included.
SunTimes ComputeSunTimes(std::chrono::year_month_day localDate, std::chrono::seconds utcOffset,
                         Place place, const Settings& settings);

// Empty when the library is loaded (loading it if need be); otherwise why it cannot be, in a
// sentence for the person reading.
std::string Unavailable();

// The library's version, for example "2.10.03-deb1"; empty when it cannot be loaded.
std::string LibraryVersion();

}  // namespace swiss

#pragma once
// The reading's positions and sun times from the Swiss Ephemeris: the same record fields, in
// the same text forms, as the built-in formulas write, so every later step reads them alike.

#include <array>

#include "core/birth_record.h"
#include "core/birth_value.h"
#include "core/calculation.h"
#include "sky/sunrise_sunset.h"

namespace reading {

// Writes the ten longitudes, the ayanamsa, the Moon's and the ascendant's texts, the Rashi,
// the position table and the retrograde marks (from each planet's speed), and EphemerisFiles.
// False, with nothing written, when the library could not compute them.
bool SwissPositions(const core::BirthValue& birth, const core::SwissSettings& settings,
                    core::BirthRecord& record);

// Sunrise and sunset of the birth date, then of the one neighbour whose pair bounds the birth's
// night (the day before for a birth before sunrise, the day after for one after sunset); the
// neighbour not needed is left empty. Where the Sun does not rise or set, the times stand in as
// the built-in formulas' do: the whole date (00:00 to 00:00) for a day without sunset, noon
// twice for one without sunrise. Returns what the Sun did on each of the three dates.
std::array<sky::SunDay, 3> SwissSunTimes(const core::BirthValue& birth,
                                         const core::SwissSettings& settings,
                                         core::BirthRecord& record);

}  // namespace reading

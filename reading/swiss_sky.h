#pragma once
// The reading's positions and sun times from the Swiss Ephemeris: the same record fields, in
// the same text forms, as the built-in formulas write, so every later step reads them alike.
// They are computed first, before the reading writes anything, so that a library that fails
// (a damaged ephemeris file) refuses the reading instead of leaving the last one's chart.

#include <array>
#include <optional>
#include <string>
#include <variant>

#include "core/birth_record.h"
#include "core/birth_value.h"
#include "core/calculation.h"
#include "sky/sunrise_sunset.h"
#include "swiss/swiss_ephemeris.h"

namespace reading {

// One date's pair on the birth place's clock, with the built-in formulas' stand-ins where the
// Sun does not cross the horizon.
struct LocalSun {
  sky::SunDay day = sky::SunDay::RisesAndSets;
  core::LocalTime rise{}, set{};
  bool fromFiles = false;
};

struct SwissSky {
  swiss::Positions positions;
  // Sunrise and sunset of the birth date (1), then of the one neighbour whose pair bounds the
  // birth's night: the day before (0) for a birth before sunrise, the day after (2) for one
  // after sunset; the neighbour not needed is empty.
  std::array<std::optional<LocalSun>, 3> suns;
};

// The sky of the birth, or the message that refuses the reading: the ephemeris file named
// where one is at fault.
std::variant<SwissSky, std::string> ComputeSwissSky(const core::BirthValue& birth,
                                                    const core::SwissSettings& settings);

// Writes the ten longitudes, the ayanamsa, the Moon's and the ascendant's texts, the Rashi,
// the position table, the retrograde marks (from each planet's speed), EphemerisFiles and
// BodyFromFiles.
void WriteSwissPositions(const SwissSky& sky, core::BirthRecord& record);

// Writes the sun times of the dates computed: where the Sun does not rise or set, the times
// stand in as the built-in formulas' do: the whole date (00:00 to 00:00) for a day without
// sunset, noon twice for one without sunrise. Returns what the Sun did on each of the three
// dates.
std::array<sky::SunDay, 3> WriteSwissSunTimes(const SwissSky& sky, core::BirthRecord& record);

}  // namespace reading

#pragma once
// One calculation of the sky behind a reading: the built-in formulas and the Swiss Ephemeris
// each implement SkySource, and the reading asks SourceOf for the one its birth chose, never
// which one it is. A source gives numbers with what each came from; WriteSky puts them into
// the record in the same text forms whichever source gave them.

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <variant>

#include "core/birth_record.h"
#include "core/birth_value.h"
#include "core/sun_day.h"
#include "panchanga/panchanga.h"

namespace reading {

// Where a position or a pair of sun times came from (the dump's "sources").
enum class SkyOrigin : std::uint8_t { Formulas, Files, Analytical };

// One date's sunrise and sunset on the birth place's clock, with the stand-ins of
// core::SunDay where the Sun does not cross the horizon.
struct SunOfDate {
  core::SunDay day = core::SunDay::RisesAndSets;
  core::LocalTime rise{}, set{};
  SkyOrigin origin = SkyOrigin::Formulas;
};

struct BirthSky {
  std::array<double, core::kBodyCount> longitudes{};  // sidereal, Sun .. Ketu, ascendant
  double ayanamsa = 0;                                // degrees taken off the tropical
  std::array<bool, core::kBodyCount> retrograde{};
  std::array<SkyOrigin, 9> origins{};  // Sun .. Ketu
  // Sunrise and sunset of the day before (0), the birth date (1) and the day after (2); a
  // source may leave empty a neighbour whose pair does not bound the birth's night.
  std::array<std::optional<SunOfDate>, 3> suns;
};

// A calculation; its Sun and Moon at any instant are the panchanga's sky.
class SkySource : public panchanga::Sky {
 public:
  // Why the calculation cannot run on this computer (its library missing); empty when it can.
  virtual std::string Unavailable() const { return {}; }
  // The sky of the birth, or the message that refuses the reading, computed whole before the
  // reading writes anything.
  virtual std::variant<BirthSky, std::string> SkyOf(const core::BirthValue& birth) const = 0;
  // The sun times of one date at the birth's place and on its clock, or the failure's message.
  virtual std::variant<SunOfDate, std::string> SunOf(std::chrono::local_days date,
                                                     const core::BirthValue& birth) const = 0;
};

// The calculation the birth chose: the one place that knows the implementations.
std::unique_ptr<SkySource> SourceOf(const core::BirthValue& birth);

// The implementations, for SourceOf.
std::unique_ptr<SkySource> BuiltInSource();
std::unique_ptr<SkySource> SwissSource(const core::SwissSettings& settings);

// Writes the ten longitudes, the ayanamsa, the Moon's and the ascendant's texts, the Rashi,
// the position table, the retrograde marks, EphemerisFiles and BodyFromFiles.
void WritePositions(const BirthSky& sky, core::BirthRecord& record);

// Writes the sun times of the dates computed, the birth date first: the record's pair of
// slots keeps the last written. Returns what the Sun did on each of the three dates.
std::array<core::SunDay, 3> WriteSunTimes(const BirthSky& sky, core::BirthRecord& record);

}  // namespace reading

#pragma once
// The numbers behind the captions a reading composes in English: month, weekday, period,
// planets, signs, sun times. A window or page in another language composes those captions
// again from these numbers; what a person typed (name, place) and the figures (date, time,
// coordinates, period lengths) it takes from the captions as they are.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// The planets by body index, as the reading names them (0 Sun .. 8 Ketu; 9 is the Lagna point).
inline constexpr std::array<std::string_view, 9> kPlanetNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu"};

// The body index of a planet's name, -1 for any other text (the empty lord of a period that
// could not be measured).
constexpr int PlanetBody(std::string_view name) {
  for (std::size_t k = 0; k < kPlanetNames.size(); ++k)
    if (kPlanetNames[k] == name) return static_cast<int>(k);
  return -1;
}

enum class BirthPeriodKind : std::uint8_t { Unknown, Day, Night };

// The note a sun time caption carries after its date and time.
enum class SunNote : std::uint8_t {
  None,
  DidNotSet,   // " (the Sun did not set this day)"
  DidNotRise,  // " (the Sun did not rise this day)"
};

struct CaptionFacts {
  // lblDOB "<month name>/<day>/<year>": the month 1..12 (0 when not written); month names are
  // English in full ("January").
  int birthMonth = 0;
  // lblLatitude "<deg>° <min>' N|S", lblLongitude "<deg>° <min>' E|W": the letter's side.
  bool south = false, west = false;
  // lblVaar: 1 Sunday .. 7 Saturday ("Sunday" .. "Saturday"); 0 when not written.
  int weekday = 0;
  // lblSunRise, lblSunSet: "<day> <month name> <year> HH:MM:SS" and the note; empty when
  // the time is unknown. Both unset when the period of birth could not be found.
  std::array<std::optional<std::chrono::local_seconds>, 2> sunTimes;
  std::array<SunNote, 2> sunNotes{};
  // lblPeriod: "Dinamana" (day) or "Ratrimana" (night).
  BirthPeriodKind period = BirthPeriodKind::Unknown;
  // lblYamardhapati, lblDandadhipati: body indexes 0..6, -1 without a lord.
  int yamardhapati = -1, dandadhipati = -1;
  // lblLagna, lblRashi: sign 0 Aries .. 11 Pisces, shown by its Sanskrit name ("Mesha");
  // -1 when not written.
  int lagnaSign = -1, rashiSign = -1;
  // planet(k) "DD Sgn MM" (degrees in the sign, the sign's three-letter English abbreviation,
  // minutes) and the sign boxes (a line per body: "Sun" .. "Ketu", "Asc", a retrograde planet
  // with " (R) " after its name): the sidereal longitudes [0, 360) and retrograde flags by
  // body index; unset when the chart was not drawn.
  std::optional<std::array<double, 10>> longitudes;
  std::array<bool, 10> retrograde{};
};

}  // namespace core

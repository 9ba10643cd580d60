#pragma once
// The facts of one reading as typed values: the birth's date, clock time and place, the
// weekday, the sun times, the period and its lengths, the lords, the Lagna and Rashi signs, the
// bodies' longitudes. The English captions are written from them at the edge
// (reading/english_captions.h and the chart's position texts); a window or page in another
// language writes its own captions from the same facts. Nothing reads a caption back.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string_view>

#include "core/birth_value.h"
#include "core/longitude.h"
#include "core/sun_day.h"

namespace core {

// The planet of a name, none for any other text (the empty lord of a period that could not be
// measured).
constexpr std::optional<Body> PlanetBody(std::string_view name) {
  for (std::size_t k = 0; k < kPlanetCount; ++k)
    if (kBodyNames[k] == name) return static_cast<Body>(k);
  return std::nullopt;
}

enum class BirthPeriodKind : std::uint8_t { Unknown, Day, Night };

struct ReadingFacts {
  // lblDOB "<month name>/<day>/<year>" and lblTOB "<hour>:<minute>"; unset until written.
  std::optional<std::chrono::year_month_day> birthDate;
  std::chrono::minutes birthTime{0};
  // lblLatitude "<deg>° <min>' N|S", lblLongitude "<deg>° <min>' E|W", as entered.
  GeoAngle latitude, longitude;
  // lblVaar ("Sunday" .. "Saturday"); unset when not written.
  std::optional<std::chrono::weekday> weekday;
  // lblSunRise, lblSunSet: "<day> <month name> <year> HH:MM:SS" and the note; empty when
  // the time is unknown. Neither caption is written while the period is Unknown.
  std::array<std::optional<std::chrono::local_seconds>, 2> sunTimes;
  // What the Sun did on the date of the pair shown: NeverSets and NeverRises add a note.
  std::array<SunDay, 2> sunDays{};
  // lblPeriod: "Dinamana" (day) or "Ratrimana" (night); Unknown when it could not be found.
  BirthPeriodKind period = BirthPeriodKind::Unknown;
  // blPeriodDisplay and lblYamradhaDisplay "<hours>:<minutes>": the period and one yamardha
  // (the period's eighth, rounded to the second).
  std::chrono::seconds periodLength{0}, yamardhaLength{0};
  // lblYamardhapati, lblDandadhipati: planets Sun .. Saturn; unset without a lord.
  std::optional<Body> yamardhapati, dandadhipati;
  // lblLagna, lblRashi, shown by the sign's Sanskrit name ("Mesha"); unset when not written.
  std::optional<Sign> lagna, rashi;
  // planet(k) "DD Sgn MM" and the sign boxes (a line per body: "Sun" .. "Ketu", "Asc", a
  // retrograde planet with " (R) " after its name), by body index; unset when the chart was
  // not drawn.
  std::optional<std::array<Longitude, 10>> longitudes;
  std::array<bool, 10> retrograde{};
};

}  // namespace core

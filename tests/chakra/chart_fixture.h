#pragma once
// Birth records built by hand for the chakra tests: a sign for each of the ten bodies, the
// plain names the ephemeris writes and the display names the pipeline writes.

#include <array>
#include <string>
#include <string_view>

#include "core/birth_record.h"
#include "ephemeris/calendar_angles.h"

namespace chakra_test {

inline constexpr std::array<std::string_view, 10> kBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

// Signs in body order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Asc.
using BodySigns = std::array<std::string_view, 10>;

// Body k stands k degrees 7 minutes into its sign, its text like "05 Ari 07" (so that no two
// texts are equal). A name that is no sign stands for a longitude past a full turn: no sign.
inline core::BirthRecord ChartRecord(const BodySigns& signs) {
  core::BirthRecord r;
  for (std::size_t k = 0; k < signs.size(); ++k) {
    const int sign = ephemeris::SignIndex(signs[k]);
    r.Longitudes[k] = (sign >= 0 ? 30.0 * sign : 360.0) + static_cast<double>(k) + 7.5 / 60;
    r.PositionTexts[k] = ephemeris::PositionText(r.Longitudes[k]);
    r.BodyNames[k] = std::string(kBodyNames[k]);
    if (k < 9) r.PositionNames[k] = std::string(kBodyNames[k]);
  }
  r.PositionNames[10] = "Ascendant";
  return r;
}

}  // namespace chakra_test

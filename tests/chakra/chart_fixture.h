#pragma once
// Birth records built by hand for the chakra tests: a sign for each of the ten bodies, the
// plain names the ephemeris writes and the display names the pipeline writes.

#include <array>
#include <string>
#include <string_view>

#include "core/birth_record.h"

namespace chakra_test {

inline constexpr std::array<std::string_view, 10> kBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

// Signs in body order: Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Rahu, Ketu, Asc.
using BodySigns = std::array<std::string_view, 10>;

// Position texts like "05 Ari 07" (degrees differ per body so that no two texts are equal).
inline core::BirthRecord ChartRecord(const BodySigns& signs) {
  core::BirthRecord r;
  for (std::size_t k = 0; k < signs.size(); ++k) {
    std::string text = "00 " + std::string(signs[k]) + " 07";
    text[1] = static_cast<char>('0' + k);
    r.PositionTexts[k] = text;
    r.BodyNames[k] = std::string(kBodyNames[k]);
    if (k < 9) r.PositionNames[k] = std::string(kBodyNames[k]);
  }
  r.PositionNames[10] = "Ascendant";
  return r;
}

}  // namespace chakra_test

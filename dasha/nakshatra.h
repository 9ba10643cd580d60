#pragma once
// The 27 nakshatras (lunar mansions) of 13° 20' each from 0° of the sidereal zodiac, their
// four padas of 3° 20', and the planets that rule them in the Vimshottari order.

#include <cstdint>
#include <optional>
#include <string_view>

namespace dasha {

// The nine lords in the Vimshottari order: Ashwini's lord first, the cycle repeating every nine
// nakshatras and the mahadashas following one another in this order.
enum class Lord : std::uint8_t { Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury };
inline constexpr int kLordCount = 9;

// The lord's name as shown ("Ketu", ..., "Mercury").
std::string_view LordName(Lord lord);
// The lord's mahadasha in years: 7, 20, 6, 10, 7, 18, 16, 19, 17, adding up to 120.
int LordYears(Lord lord);
// The lord that follows in the cycle (Mercury is followed by Ketu).
Lord NextLord(Lord lord);

// Arc of a nakshatra and of a pada in arc-seconds: 13° 20' and 3° 20'.
inline constexpr std::int64_t kNakshatraArcSeconds = 48000;
inline constexpr std::int64_t kPadaArcSeconds = 12000;

struct NakshatraPosition {
  int number = 1;  // 1 (Ashwini) .. 27 (Revati)
  int pada = 1;    // 1 .. 4
  Lord lord = Lord::Ketu;
  // The part of the nakshatra already passed, in [0, 1): 0 at its start.
  double elapsedFraction = 0;
};

// Nakshatra and pada of a sidereal longitude in degrees (any value, brought into [0, 360)).
// A longitude within 1e-5 arc-seconds of a boundary counts as on it, so 13° 20' 00" typed as
// 13 + 20 / 60.0 (a hair below 40 / 3 in binary) is Bharani pada 1, and 13° 19' 59" is
// Ashwini pada 4. Empty for NaN and infinities.
std::optional<NakshatraPosition> NakshatraOf(double siderealLongitude);

// The name of nakshatra 1..27 ("Ashwini", ..., "Revati"); empty for other numbers.
std::string_view NakshatraName(int number);

}  // namespace dasha

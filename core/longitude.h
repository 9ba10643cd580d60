#pragma once
// A sidereal longitude with the figures every text of it shows: its sign, and its degrees
// within the sign, minutes and seconds, all truncated (never rounded). The ephemeris computes
// the degrees; a caption in any language is written from these figures, never re-read.

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace core {

// The signs from Aries, in zodiac order.
enum class Sign : std::uint8_t {
  Aries,
  Taurus,
  Gemini,
  Cancer,
  Leo,
  Virgo,
  Libra,
  Scorpio,
  Sagittarius,
  Capricorn,
  Aquarius,
  Pisces
};
inline constexpr int kSignCount = 12;

// The signs' Sanskrit names, as the Lagna and Rashi captions show them.
inline constexpr std::array<std::string_view, 12> kSanskritSignNames = {
    "Mesha", "Vrishabha",  "Mithuna", "Kataka", "Simha",  "Kanya",
    "Thula", "Vrishchika", "Dhanush", "Makara", "Kumbha", "Meena"};

// The bodies by the record's body index (0 Sun .. 8 Ketu; the Lagna is the ascendant point).
enum class Body : std::uint8_t {
  Sun,
  Moon,
  Mercury,
  Venus,
  Mars,
  Jupiter,
  Saturn,
  Rahu,
  Ketu,
  Lagna
};

// The bodies' names by body index, as the reading writes them: the nine planets, then the
// Lagna point's short name.
inline constexpr std::array<std::string_view, 10> kBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};
inline constexpr std::size_t kPlanetCount = 9;  // Sun .. Ketu

// The figures of a longitude's magnitude, as its texts show them.
struct LongitudeFigures {
  long long degrees = 0;  // within the sign
  long long minutes = 0;
  long long seconds = 0;
  int sign = -1;  // 0 Aries .. 11 Pisces; -1 from 360 on and for NaN (the text shows no sign)
};

struct Longitude {
  double degrees = 0;  // [0, 360) from the ephemeris; the figures still hold for any value

  // Sign index 0..11 from the truncated whole degrees of the magnitude, so a longitude a hair
  // below a boundary stays in the earlier sign; -1 from 360 on and for NaN.
  int SignIndex() const {
    const double a = degrees < 0 ? -degrees : degrees;
    // Below 1e15 a double's whole part is exact as an integer: integer division then gives
    // the sign the floors give, without a library call.
    if (a < 1e15) {
      const long long sign = static_cast<long long>(a) / 30;
      return sign < 12 ? static_cast<int>(sign) : -1;
    }
    const double sign = std::floor(std::floor(a) / 30);
    return sign < 12 ? static_cast<int>(sign) : -1;
  }
  std::optional<Sign> SignOf() const {
    const int k = SignIndex();
    if (k < 0) return std::nullopt;
    return static_cast<Sign>(k);
  }
  LongitudeFigures Figures() const;
  friend bool operator==(const Longitude&, const Longitude&) = default;
};

// Inline: every position text of every reading takes its figures here.
inline LongitudeFigures Longitude::Figures() const {
  // Floor of a value known to be at least zero; an integer conversion where it is exact.
  const auto floorOfPositive = [](double x) {
    return x < 1e15 ? static_cast<double>(static_cast<long long>(x)) : std::floor(x);
  };
  const double a = std::fabs(degrees);
  if (!(a < 1e15)) {  // NaN, infinity or beyond any longitude: the general floors
    const double whole = std::floor(a);
    const double minutes = std::floor(60 * (a - whole));
    const double seconds = std::floor(60 * (60 * (a - whole) - minutes));
    return {static_cast<long long>(std::fmod(whole, 30.0)), static_cast<long long>(minutes),
            static_cast<long long>(seconds), SignIndex()};
  }
  // Each argument below is at least zero (a less its floor, then that less its own floor).
  const double whole = floorOfPositive(a);
  const double minutes = floorOfPositive(60 * (a - whole));
  const double seconds = floorOfPositive(60 * (60 * (a - whole) - minutes));
  // Whole degrees are exact integers here, so the remainder needs no floating division.
  return {static_cast<long long>(whole) % 30, static_cast<long long>(minutes),
          static_cast<long long>(seconds), SignIndex()};
}

}  // namespace core

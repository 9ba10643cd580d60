#pragma once
// The panchanga of a moment: the weekday of the Hindu day (vara), the tithi, the Moon's
// nakshatra, the yoga and the karana, each with the moment it began and the moment it ends.
// The moments are searched on the calculation's own Sun and Moon (Sky), so they agree with
// the longitudes the reading shows to the second the search resolves.

#include <chrono>
#include <optional>
#include <string_view>

namespace panchanga {

// A universal-time instant with the fractions of a second a search needs.
using Instant = std::chrono::sys_time<std::chrono::duration<double>>;

struct SunMoon {
  double sun = 0, moon = 0;  // sidereal degrees
};

// A calculation's sidereal Sun and Moon at any instant; empty where it cannot compute them.
class Sky {
 public:
  virtual ~Sky() = default;
  virtual std::optional<SunMoon> At(Instant universalTime) const = 0;
};

// Why the Hindu day's weekday is what it is.
enum class VaraNote {
  AfterSunrise,   // born after the date's sunrise: the calendar weekday
  BeforeSunrise,  // born before it: the day began at the previous sunrise, the previous weekday
  NoSunrise,      // the Sun did not rise on the date: the calendar weekday
};
struct Vara {
  std::chrono::weekday day;
  VaraNote note = VaraNote::AfterSunrise;
};

// The weekday of the Hindu day of a birth on the local clock, from the sunrise of the birth's
// date (empty where the Sun did not rise that date).
Vara VaraOf(std::chrono::local_seconds birth, std::optional<std::chrono::local_seconds> sunrise);

// One element: its number and the instants it began and ends, to the second.
struct Element {
  int number = 1;
  std::chrono::sys_seconds start{}, end{};
};

struct Elements {
  Element tithi;      // 1 .. 30: the Moon's elongation from the Sun, 12° each
  Element nakshatra;  // 1 .. 27: the Moon's sidereal longitude, 13° 20' each
  Element yoga;       // 1 .. 27: the sum of the Sun's and the Moon's, 13° 20' each
  Element karana;     // 1 .. 60: the elongation, 6° each
};

// The four elements of a moment from the sky at it, to the second (a reading whose positions
// drop the clock's seconds may name the element of the minute's start), their ends searched
// on the sky around it; empty where the sky fails.
std::optional<Elements> ElementsOf(const Sky& sky, Instant moment);

// Names as the program shows them; empty for numbers out of range.
std::string_view TithiName(int tithi);    // "Pratipada" .. "Purnima", "Amavasya"
std::string_view PakshaName(int tithi);   // "Shukla" (1 .. 15) or "Krishna" (16 .. 30)
std::string_view YogaName(int yoga);      // "Vishkambha" .. "Vaidhriti"
std::string_view KaranaName(int karana);  // "Kimstughna", "Bava" .. "Naga"
std::string_view WeekdayName(std::chrono::weekday day);  // "Sunday" .. "Saturday"
std::string_view WeekdayLord(std::chrono::weekday day);  // "Sun", "Moon", "Mars", ..., "Saturn"

}  // namespace panchanga

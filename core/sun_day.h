#pragma once
// What the Sun did on a local civil date (from local midnight to the next), whichever
// calculation found it. Where it neither rises nor sets, the times a reading stores stand in
// for the day: a whole day of daylight (00:00 to the next 00:00) or none (12:00 twice).

#include <cstdint>

namespace core {

enum class SunDay : std::uint8_t {
  RisesAndSets,
  RisesOnly,   // rises and stays up for a day (a midnight sun begins)
  SetsOnly,    // sets and does not rise again before midnight (a midnight sun ends)
  NeverSets,   // polar day: up from midnight to midnight
  NeverRises,  // polar night
};

}  // namespace core

#include "sky/sunrise_sunset.h"
namespace modSunRiseSunSet {
SunDay SunRiseSet(int, int, int, int, int, int, int, bool, int, int, bool, int, int, bool,
                  std::array<core::DateTime, 3>&) {
  return SunDay::RisesAndSets;
}
}  // namespace modSunRiseSunSet

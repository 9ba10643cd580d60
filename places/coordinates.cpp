#include "places/coordinates.h"

#include <algorithm>
#include <cmath>

namespace places {

DegreesMinutes ToDegreesMinutes(double signedDegrees, int highest) {
  // Whole minutes first, then split: the carry comes for free and 60' cannot appear.
  const long totalMinutes =
      std::min(std::lround(std::fabs(signedDegrees) * 60.0), highest * 60L + 59);
  return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60),
          signedDegrees >= 0.0 || totalMinutes == 0};
}

}  // namespace places

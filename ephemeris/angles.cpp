#include "ephemeris/angles.h"

#include <cmath>

#include "core/longitude.h"

namespace ephemeris {

double NormalizedDegrees(double degrees) {
  // The common cases without the division, with the very results fmod gives below: within a
  // turn nothing changes; one turn above, x - 360 is exact (Sterbenz); one turn below, fmod
  // leaves x and the one rounding step is the same addition.
  if (degrees >= 0 && degrees < 360) return degrees + 0.0;
  if (degrees >= 360 && degrees < 720) return degrees - 360;
  double r = degrees > -360 && degrees < 0 ? degrees : std::fmod(degrees, 360.0);
  if (r < 0) r += 360;
  if (r >= 360) r = 0;  // a tiny negative remainder rounds up to a full turn
  return r + 0.0;       // -0.0 becomes +0.0
}

double QuadrantArctan(double y, double x) {
  const double signY = y > 0 ? 1.0 : (y < 0 ? -1.0 : 0.0);
  if (x > 0) return std::atan(y / x);
  if (x == 0) return signY * Pi / 2;
  return signY * (Pi - std::atan(std::fabs(y / x)));
}

double ReduceRadians(double x) {
  const double q = x / TwoPi;
  double r = (q - std::trunc(q)) * TwoPi;
  if (r < 0) r += TwoPi;
  if (r >= TwoPi) r = 0;  // a tiny negative remainder can round up to a full turn
  return r;
}

int SignOfLongitude(double longitude) {
  return core::Longitude{longitude}.SignIndex();
}

}  // namespace ephemeris

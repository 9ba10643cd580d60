#include "core/longitude.h"

namespace core {

namespace {

// Floor of a value known to be at least zero; an integer conversion where it is exact.
double FloorOfPositive(double x) {
  return x < 1e15 ? static_cast<double>(static_cast<long long>(x)) : std::floor(x);
}

}  // namespace

LongitudeFigures Longitude::Figures() const {
  const double a = std::fabs(degrees);
  if (!(a < 1e15)) {  // NaN, infinity or beyond any longitude: the general floors
    const double whole = std::floor(a);
    const double minutes = std::floor(60 * (a - whole));
    const double seconds = std::floor(60 * (60 * (a - whole) - minutes));
    return {static_cast<long long>(std::fmod(whole, 30.0)), static_cast<long long>(minutes),
            static_cast<long long>(seconds), SignIndex()};
  }
  // Each argument below is at least zero (a less its floor, then that less its own floor).
  const double whole = FloorOfPositive(a);
  const double minutes = FloorOfPositive(60 * (a - whole));
  const double seconds = FloorOfPositive(60 * (60 * (a - whole) - minutes));
  // Whole degrees are exact integers here, so the remainder needs no floating division.
  return {static_cast<long long>(whole) % 30, static_cast<long long>(minutes),
          static_cast<long long>(seconds), SignIndex()};
}

}  // namespace core

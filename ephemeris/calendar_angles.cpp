#include "ephemeris/calendar_angles.h"
// Placeholder until the routines land.
namespace ephemeris {
std::string_view SignAbbreviation(int k) {
  return k >= 0 && k < 12 ? kSignAbbreviations.substr(3 * k, 3) : std::string_view{};
}
int SignIndex(std::string_view a) {
  for (int k = 0; k < 12; ++k)
    if (SignAbbreviation(k) == a) return k;
  return -1;
}
std::string_view SignOfPositionText(std::string_view t) {
  return t.size() >= 6 ? t.substr(3, 3) : std::string_view{};
}
}  // namespace ephemeris

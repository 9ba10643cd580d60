#pragma once
// A chart as data: what each of the twelve signs holds (the bodies standing in it, each with
// its marks, and whether the sign is highlighted), in sign order from Aries. Where a sign's box
// stands and what shape it has is the style's (chart/chart_style.h); the names shown for the
// bodies are the language's. The sheet carries the Pataki Chakra's chart; a divisional chart
// is the same value with each body in its divisional sign.

#include <array>
#include <string_view>
#include <vector>

#include "core/longitude.h"

namespace core {

// A sign box shows the bodies by their names in core::kBodyNames (9: the Lagna point, "Asc").
inline constexpr int kChartLagna = static_cast<int>(Body::Lagna);

struct ChartBody {
  int body = 0;  // 0 Sun .. 8 Ketu, 9 the Lagna point
  bool retrograde = false;
  double longitude = 0;  // the sidereal longitude the sign was taken from, [0, 360)
  friend bool operator==(const ChartBody&, const ChartBody&) = default;
};

struct ChartSign {
  std::vector<ChartBody> bodies;  // in body order
  bool highlighted = false;
  friend bool operator==(const ChartSign&, const ChartSign&) = default;
};

struct ChartModel {
  std::array<ChartSign, 12> signs;  // 0 Aries .. 11 Pisces
  friend bool operator==(const ChartModel&, const ChartModel&) = default;

  // The sign the Lagna point stands in, -1 where it was not placed.
  int LagnaSign() const {
    for (std::size_t sign = 0; sign < signs.size(); ++sign)
      for (const ChartBody& body : signs[sign].bodies)
        if (body.body == kChartLagna) return static_cast<int>(sign);
    return -1;
  }
};

}  // namespace core

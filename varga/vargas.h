#pragma once
// The sixteen divisional charts (vargas) of Parashara: the sign each body falls in when its
// sign is cut into equal parts (or, for the trimshamsha, five uneven ones) and each part is
// given a sign by the rule of the chart. The rules are one table of data (vargas.cpp); the
// docs write them out with their source.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/birth_record.h"

namespace varga {

inline constexpr int kChartCount = 16;

// The charts in their classical order; the value is the part count (D1 .. D60).
enum class Chart : std::uint8_t {
  D1 = 1,
  D2 = 2,
  D3 = 3,
  D4 = 4,
  D7 = 7,
  D9 = 9,
  D10 = 10,
  D12 = 12,
  D16 = 16,
  D20 = 20,
  D24 = 24,
  D27 = 27,
  D30 = 30,
  D40 = 40,
  D45 = 45,
  D60 = 60,
};
inline constexpr std::array<Chart, kChartCount> kCharts = {
    Chart::D1,  Chart::D2,  Chart::D3,  Chart::D4,  Chart::D7,  Chart::D9,  Chart::D10, Chart::D12,
    Chart::D16, Chart::D20, Chart::D24, Chart::D27, Chart::D30, Chart::D40, Chart::D45, Chart::D60};

// "D1" .. "D60", and the chart's name ("Rashi", "Hora", ..., "Shashtyamsha").
std::string_view ChartKey(Chart chart);
std::string_view ChartName(Chart chart);

// Sign 0 (Aries) .. 11 (Pisces) of a sidereal longitude in degrees (any value, brought into
// [0, 360)) in the chart; -1 for NaN and infinities. A longitude on a part's edge belongs to the
// later part, compared exactly: counted in whole micro-arc-seconds, a longitude within half of
// one below an edge is on it (3° 20' typed as 3 + 20/60, a seventh of a sign).
int SignIn(Chart chart, double siderealLongitude);

// The English sign name, "Aries" .. "Pisces"; empty for other numbers.
std::string_view SignName(int sign);

// Every chart for every body, in kCharts order and core's body order (Sun .. ascendant).
using Signs = std::array<std::int8_t, core::kBodyCount>;
struct Vargas {
  std::array<Signs, kChartCount> charts{};
  // The body stands in the same sign in D1 and D9.
  std::array<bool, core::kBodyCount> vargottama{};
};
Vargas VargasOf(const std::array<double, core::kBodyCount>& longitudes);

}  // namespace varga

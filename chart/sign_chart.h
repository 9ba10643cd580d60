#pragma once
// Charts made from where the bodies stand: each body listed in the box of its sign.

#include <array>

#include "core/chart_model.h"

namespace chart {

inline constexpr std::size_t kChartBodies = core::kBodyNames.size();

// Body k placed in signs[k] (0 Aries .. 11 Pisces; any other value places it nowhere), in body
// order, with its retrograde flag and longitude.
core::ChartModel ChartOfSigns(const std::array<int, kChartBodies>& signs,
                              const std::array<bool, kChartBodies>& retrograde,
                              const std::array<double, kChartBodies>& longitudes);

// The Rashi chart: each body in the sign of its sidereal longitude.
core::ChartModel RashiChart(const std::array<double, kChartBodies>& longitudes,
                            const std::array<bool, kChartBodies>& retrograde);

}  // namespace chart

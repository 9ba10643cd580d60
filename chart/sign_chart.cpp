#include "chart/sign_chart.h"

#include "ephemeris/angles.h"

namespace chart {

core::ChartModel ChartOfSigns(const std::array<int, kChartBodies>& signs,
                              const std::array<bool, kChartBodies>& retrograde,
                              const std::array<double, kChartBodies>& longitudes) {
  core::ChartModel chart;
  for (std::size_t k = 0; k < kChartBodies; ++k) {
    if (signs[k] < 0 || signs[k] >= 12) continue;
    chart.signs[static_cast<std::size_t>(signs[k])].bodies.push_back(
        {static_cast<int>(k), retrograde[k], longitudes[k]});
  }
  return chart;
}

core::ChartModel RashiChart(const std::array<double, kChartBodies>& longitudes,
                            const std::array<bool, kChartBodies>& retrograde) {
  std::array<int, kChartBodies> signs{};
  for (std::size_t k = 0; k < kChartBodies; ++k)
    signs[k] = ephemeris::SignOfLongitude(longitudes[k]);
  return ChartOfSigns(signs, retrograde, longitudes);
}

}  // namespace chart

#include "chart/chart_style.h"

namespace chart {

const StyleBox& BoxOfSign(const ChartStyle& style, int sign, int lagnaSign) {
  const int first = style.order == BoxOrder::ByHouse && lagnaSign >= 0 ? lagnaSign : 0;
  const int index = ((sign - first) % 12 + 12) % 12;
  return style.boxes.at(static_cast<std::size_t>(style.boxOf[static_cast<std::size_t>(index)]));
}

}  // namespace chart

#include "chart/chart_style.h"

namespace chart {

namespace {

// The sign boxes of the design, all of one size, by their top left corner; the text keeps
// kPad from the box's lines.
constexpr double kBoxWidth = 1965, kBoxHeight = 1680, kPad = 60;
constexpr Point kBoxCorners[12] = {{5970, 135},  {4005, 135},  {2040, 135},  {75, 1800},
                                   {75, 3480},   {75, 5160},   {2040, 6840}, {4005, 6840},
                                   {5970, 6840}, {7920, 5175}, {7920, 3495}, {7920, 1815}};

// The figure in the centre (the design's Line2 .. Line19 and Shape1(0) .. Shape1(8)).
constexpr double kLines[18][4] = {
    {3480, 1800, 2040, 3000}, {7920, 5640, 6720, 6840}, {3480, 6840, 2040, 5640},
    {6720, 1800, 7920, 3000}, {3480, 1800, 3480, 6840}, {6720, 1800, 6720, 6840},
    {2040, 3000, 7920, 3000}, {2040, 5640, 7920, 5640}, {5040, 1800, 2040, 4440},
    {7920, 4440, 4920, 6840}, {2040, 4440, 7920, 4440}, {6960, 1560, 2040, 5640},
    {5040, 1800, 5040, 6840}, {7920, 3000, 3480, 6840}, {7920, 4440, 5040, 1800},
    {4920, 6840, 2040, 4440}, {7920, 5640, 3480, 1800}, {6720, 6840, 2040, 3000}};
constexpr Rect kSquares[9] = {
    {3240, 2760, 615, 495}, {4680, 2760, 615, 495}, {6240, 2760, 735, 495},
    {3240, 4080, 615, 495}, {4680, 4200, 615, 495}, {6240, 4080, 615, 495},
    {3240, 5400, 615, 495}, {4680, 5400, 615, 495}, {6240, 5400, 615, 495}};

ChartStyle MakePatakiStyle() {
  // The boxes span 75 .. 9885 across and 135 .. 8520 down; the frame leaves 75 twips round.
  ChartStyle style{"pataki", {0, 60, 9960, 8535}, {}, BoxOrder::BySign, {}, {}, {}};
  for (int sign = 0; sign < 12; ++sign) {
    const auto [x, y] = kBoxCorners[sign];
    style.boxes.push_back(
        {{{x, y}, {x + kBoxWidth, y}, {x + kBoxWidth, y + kBoxHeight}, {x, y + kBoxHeight}},
         {x + kPad, y + kPad, kBoxWidth - 2 * kPad, kBoxHeight - 2 * kPad}});
    style.boxOf[static_cast<std::size_t>(sign)] = sign;
  }
  for (const auto& l : kLines) style.lines.push_back({{l[0], l[1]}, {l[2], l[3]}});
  style.rects.assign(std::begin(kSquares), std::end(kSquares));
  return style;
}

}  // namespace

const ChartStyle& PatakiStyle() {
  static const ChartStyle style = MakePatakiStyle();
  return style;
}

}  // namespace chart

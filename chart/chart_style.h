#pragma once
// A chart style as data: where each of the twelve boxes stands and its shape, where a box's
// text sits, which sign each box holds, and the figure drawn beneath the boxes. One painter
// draws any chart in any style. Coordinates are in the style's own units, y downwards, and
// are scaled alike on both axes into the area a chart is drawn in; a style whose boxes share
// a side gives both the same corners.

#include <array>
#include <string_view>
#include <vector>

namespace chart {

struct Point {
  double x = 0, y = 0;
};

struct Rect {
  double left = 0, top = 0, width = 0, height = 0;
  double Right() const { return left + width; }
  double Bottom() const { return top + height; }
};

struct Segment {
  Point from, to;
};

struct StyleBox {
  std::vector<Point> outline;  // the corners in order round the box (a rectangle, triangle …)
  // Where the box's text goes, inside the outline: the bodies listed from its top, the sign's
  // name or number along its foot.
  Rect text;
};

// Which box holds a sign: the same box whatever the Lagna (signs fixed), or the box of the
// sign's house counted from the Lagna's sign (houses fixed).
enum class BoxOrder { BySign, ByHouse };

struct ChartStyle {
  std::string_view name;
  Rect frame;  // the part of the plane a drawing shows: the boxes and a rim
  std::vector<StyleBox> boxes;
  BoxOrder order = BoxOrder::BySign;
  // boxOf[i]: the box of sign i (BySign; 0 Aries) or of house i + 1 (ByHouse; 0 the Lagna's).
  std::array<int, 12> boxOf{};
  // The figure beneath the boxes, which shows no data.
  std::vector<Segment> lines;
  std::vector<Rect> rects;
};

// The box of `sign` in `style`; in a style of houses without a Lagna (lagnaSign -1) Aries
// counts as the first house.
const StyleBox& BoxOfSign(const ChartStyle& style, int sign, int lagnaSign);

// The Pataki Chakra of the design: the twelve signs on the rim of a five-by-five grid with
// empty corners, counter-clockwise from Aries at the top, round a figure of lines and nine
// small squares. In twips of the result window's chart frame.
const ChartStyle& PatakiStyle();

}  // namespace chart

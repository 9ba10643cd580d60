#pragma once
// The one painter of charts on paper and in pictures: a chart model drawn in a chart style,
// black on white, the highlighted signs shaded. The printed page, the PDF and the PNG draw
// every chart with it.

#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

#include "chart/chart_style.h"
#include "core/chart_model.h"

class QPainter;
class QPaintDevice;

namespace ui {

// The page's and the picture's typeface: fixed, so a picture made without a screen has the
// same pixels as one made on a desktop. DejaVu Sans comes with the build packages.
QFont PageFont(qreal points, bool bold = false);

// Width over height of a chart drawn in `style`.
qreal ChartAspect(const chart::ChartStyle& style);

// A line of a box's text, at a point of its baseline in the style's units.
struct ChartPiece {
  QPointF at;
  QString text;
  QFont font;
};

// The texts of the box of `sign` holding `contents`: the bodies from the top of the box's text
// place, their type shrunk until they fit above the sign's name, and the name at its foot.
// `scale` is device units per style unit; `textPoints` the bodies' size on the device.
std::vector<ChartPiece> BoxPieces(const chart::StyleBox& box, int sign,
                                  const core::ChartSign& contents, qreal textPoints, qreal scale,
                                  QPaintDevice* device);

// The factor from the style's units to the device's that fits the chart into `area`.
qreal ChartScale(const chart::ChartStyle& style, const QRectF& area);

// Draws `chart` in `style` into `area` (aspect kept, centred). `textPoints` is the size of the
// bodies' names in points of the painter's device; a box with many bodies shrinks its text to
// fit.
void PaintChart(QPainter& painter, const QRectF& area, const core::ChartModel& chart,
                const chart::ChartStyle& style, qreal textPoints);

}  // namespace ui

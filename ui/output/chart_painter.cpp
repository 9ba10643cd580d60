#include "ui/output/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <optional>

#include "ui/common/chart_texts.h"
#include "ui/common/look.h"

namespace ui {

namespace {

inline const QColor kShade(215, 215, 215);

QRectF ToRect(const chart::Rect& r) {
  return QRectF(r.left, r.top, r.width, r.height);
}

QPolygonF Outline(const chart::StyleBox& box) {
  QPolygonF outline;
  for (const chart::Point& p : box.outline) outline << QPointF(p.x, p.y);
  return outline;
}

// The box as a rectangle where it is one, drawn as such: the raster and PDF engines each have a
// path of their own for rectangles, and the pages and pictures drawn before styles keep their
// pixels.
std::optional<QRectF> AsRectangle(const QPolygonF& outline) {
  if (outline.size() != 4) return std::nullopt;
  const QRectF bounds = outline.boundingRect();
  for (const QPointF& corner : outline)
    if ((corner.x() != bounds.left() && corner.x() != bounds.right()) ||
        (corner.y() != bounds.top() && corner.y() != bounds.bottom()))
      return std::nullopt;
  return bounds;
}

// A font whose size is `points` on the device once the painter's scale is applied.
QFont ScaledFont(qreal points, qreal scale, bool bold = false) {
  return PageFont(points / scale, bold);
}

}  // namespace

QFont PageFont(qreal points, bool bold) {
  QFont font;
  font.setFamilies(WithScriptFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Verdana")}));
  font.setStyleHint(QFont::SansSerif);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

qreal ChartAspect(const chart::ChartStyle& style) {
  return style.frame.width / style.frame.height;
}

qreal ChartScale(const chart::ChartStyle& style, const QRectF& area) {
  return std::min(area.width() / style.frame.width, area.height() / style.frame.height);
}

std::vector<ChartPiece> BoxPieces(const chart::StyleBox& box, int sign,
                                  const core::ChartSign& contents, qreal textPoints, qreal scale,
                                  QPaintDevice* device) {
  const QRectF place = ToRect(box.text);
  const QFont nameFont = ScaledFont(textPoints * 0.9, scale, true);
  const QFontMetricsF nameMetrics(nameFont, device);
  const QStringList lines = ChartBodyLines(contents);
  QFont font = ScaledFont(textPoints, scale);
  if (!lines.isEmpty()) {
    // Shrink the bodies' text until every line fits above the sign's name.
    const QFontMetricsF metrics(font, device);
    qreal widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const qreal room = place.height() - nameMetrics.height();
    const qreal fit =
        std::min({1.0, room / (lines.size() * metrics.lineSpacing()), place.width() / widest});
    font.setPointSizeF(font.pointSizeF() * fit);
  }
  const QFontMetricsF metrics(font, device);
  std::vector<ChartPiece> pieces;
  qreal baseline = place.top() + metrics.ascent();
  for (const QString& line : lines) {
    pieces.push_back({QPointF(place.left(), baseline), line, font});
    baseline += metrics.lineSpacing();
  }
  pieces.push_back({QPointF(place.left(), place.bottom() - nameMetrics.descent()),
                    ChartSignName(sign), nameFont});
  return pieces;
}

void PaintChart(QPainter& painter, const QRectF& area, const core::ChartModel& chart,
                const chart::ChartStyle& style, qreal textPoints) {
  const QRectF frame = ToRect(style.frame);
  const qreal scale = ChartScale(style, area);
  const QSizeF drawn = frame.size() * scale;
  painter.save();
  painter.translate(area.center() - QPointF(drawn.width(), drawn.height()) / 2);
  painter.scale(scale, scale);
  painter.translate(-frame.topLeft());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 15));
  painter.setBrush(Qt::NoBrush);
  for (const chart::Segment& l : style.lines)
    painter.drawLine(QLineF(l.from.x, l.from.y, l.to.x, l.to.y));
  for (const chart::Rect& r : style.rects) painter.drawRect(ToRect(r));
  const int lagna = chart.LagnaSign();
  for (int sign = 0; sign < 12; ++sign) {
    const chart::StyleBox& box = chart::BoxOfSign(style, sign, lagna);
    const core::ChartSign& contents = chart.signs[static_cast<std::size_t>(sign)];
    const QColor fill = contents.highlighted ? kShade : QColor(Qt::white);
    const QPolygonF outline = Outline(box);
    if (const std::optional<QRectF> rect = AsRectangle(outline)) {
      painter.fillRect(*rect, fill);
      painter.drawRect(*rect);
    } else {
      painter.setBrush(fill);
      painter.drawPolygon(outline);
      painter.setBrush(Qt::NoBrush);
    }
    for (const ChartPiece& piece :
         BoxPieces(box, sign, contents, textPoints, scale, painter.device())) {
      painter.setFont(piece.font);
      painter.drawText(piece.at, piece.text);
    }
  }
  painter.restore();
}

}  // namespace ui

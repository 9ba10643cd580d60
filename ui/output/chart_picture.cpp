#include "ui/output/chart_picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QStringList>
#include <algorithm>

#include "reading/reading.h"
#include "ui/common/chart_layout.h"
#include "ui/common/filled_template.h"
#include "ui/common/library_texts.h"
#include "ui/common/look.h"
#include "ui/output/save_whole.h"

namespace ui {

namespace {

inline const QColor kShade(215, 215, 215);

// The part of the chart frame the picture shows: the boxes with a small rim.
const QRectF kChartTwips(chart::kLeft - 75, chart::kTop - 75, chart::kRight - chart::kLeft + 150,
                         chart::kBottom - chart::kTop + 150);

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The bodies in a box, one a line, without the empty first line the window keeps.
QStringList BoxLines(const core::ResultSheet& sheet, int sign) {
  QStringList lines;
  const QString caption = FromUtf8(sheet.Caption(core::kSignContentLabels[sign]));
  for (const QString& line : caption.split(QRegularExpression(QStringLiteral("\r\n|\r|\n"))))
    if (!line.trimmed().isEmpty()) lines << SheetCaption(line.trimmed());
  return lines;
}

// A font whose size is `points` on the device once the painter's scale is applied.
QFont ScaledFont(qreal points, qreal scale, bool bold = false) {
  return PageFont(points / scale, bold);
}

void DrawSignBox(QPainter& painter, int sign, const core::ResultSheet& sheet, qreal textPoints,
                 qreal scale) {
  const chart::SignPlace& place = chart::kSignPlaces[sign];
  const QRectF box(place.left, place.top, chart::kBoxWidth, chart::kBoxHeight);
  painter.fillRect(box, sheet.highlighted[static_cast<std::size_t>(sign)] ? kShade : Qt::white);
  painter.drawRect(box);

  const qreal pad = 60;
  const QFont nameFont = ScaledFont(textPoints * 0.9, scale, true);
  const QFontMetricsF nameMetrics(nameFont, painter.device());
  const QStringList lines = BoxLines(sheet, sign);
  QFont font = ScaledFont(textPoints, scale);
  if (!lines.isEmpty()) {
    // Shrink the bodies' text until every line fits above the sign's name.
    const QFontMetricsF metrics(font, painter.device());
    qreal widest = 0;
    for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
    const qreal room = box.height() - 2 * pad - nameMetrics.height();
    const qreal fit = std::min(
        {1.0, room / (lines.size() * metrics.lineSpacing()), (box.width() - 2 * pad) / widest});
    font.setPointSizeF(font.pointSizeF() * fit);
  }
  const QFontMetricsF metrics(font, painter.device());
  painter.setFont(font);
  qreal baseline = box.top() + pad + metrics.ascent();
  for (const QString& line : lines) {
    painter.drawText(QPointF(box.left() + pad, baseline), line);
    baseline += metrics.lineSpacing();
  }
  painter.setFont(nameFont);
  painter.drawText(QPointF(box.left() + pad, box.bottom() - pad - nameMetrics.descent()),
                   QCoreApplication::translate("Signs", place.name));
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

qreal ChartAspect() {
  return kChartTwips.width() / kChartTwips.height();
}

void DrawChart(QPainter& painter, const QRectF& area, const core::ResultSheet& sheet,
               qreal textPoints) {
  const qreal scale =
      std::min(area.width() / kChartTwips.width(), area.height() / kChartTwips.height());
  const QSizeF drawn = kChartTwips.size() * scale;
  painter.save();
  painter.translate(area.center() - QPointF(drawn.width(), drawn.height()) / 2);
  painter.scale(scale, scale);
  painter.translate(-kChartTwips.topLeft());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(Qt::black, 15));
  painter.setBrush(Qt::NoBrush);
  for (const chart::Line& l : chart::kCentreLines) painter.drawLine(QLineF(l.x1, l.y1, l.x2, l.y2));
  for (int element = 0; element < 9; ++element) {
    const chart::Box& s = chart::kCentreShapes[element];
    painter.drawRect(QRectF(s.left, s.top, s.width, s.height));
  }
  for (int sign = 0; sign < 12; ++sign) DrawSignBox(painter, sign, sheet, textPoints, scale);
  painter.restore();
}

QImage ChartPicture(const KeptReading& reading) {
  // Twice the design size: 15 twips to the pixel at design, two device pixels to the pixel.
  constexpr qreal kRatio = 2;
  constexpr int kCaptionHeight = 44;
  const QSizeF chartSize = kChartTwips.size() / 15;
  const QSize logical(qCeil(chartSize.width()), qCeil(chartSize.height()) + kCaptionHeight);
  QImage image(logical * kRatio, QImage::Format_RGB32);
  // 96 dots per inch, as the design assumes, whatever the screen.
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.setDevicePixelRatio(kRatio);
  image.fill(Qt::white);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  DrawChart(painter, QRectF(QPointF(0, 0), chartSize), reading.sheet, 8);
  painter.setPen(Qt::black);
  const QRectF caption(0, chartSize.height(), logical.width(), kCaptionHeight);
  painter.setFont(PageFont(11, true));
  painter.drawText(caption.adjusted(0, 2, 0, -kCaptionHeight / 2), Qt::AlignCenter,
                   QString::fromStdString(reading.record.PersonName));
  painter.setFont(PageFont(9));
  const QString born = reading.record.BirthMoment
                           ? Filled(QCoreApplication::translate("ChartPicture", "Born %1"),
                                    {LocalDateTimeText(*reading.record.BirthMoment)})
                           : QString();
  painter.drawText(caption.adjusted(0, kCaptionHeight / 2, 0, -2), Qt::AlignCenter, born);
  painter.end();
  return image;
}

std::optional<QString> WriteChartPng(const QString& path, const KeptReading& reading) {
  const QImage image = ChartPicture(reading);
  return SaveWhole(path, [&image](QIODevice& file) { return image.save(&file, "PNG"); });
}

}  // namespace ui

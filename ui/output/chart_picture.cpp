#include "ui/output/chart_picture.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QtMath>

#include "chart/chart_style.h"
#include "reading/reading.h"
#include "ui/common/filled_template.h"
#include "ui/common/library_texts.h"
#include "ui/output/save_whole.h"

namespace ui {

QImage ChartPicture(const KeptReading& reading) {
  // Twice the design size: 15 twips to the pixel at design, two device pixels to the pixel.
  constexpr qreal kRatio = 2;
  constexpr int kCaptionHeight = 44;
  const chart::ChartStyle& style = chart::PatakiStyle();
  const QSizeF chartSize = QSizeF(style.frame.width, style.frame.height) / 15;
  const QSize logical(qCeil(chartSize.width()), qCeil(chartSize.height()) + kCaptionHeight);
  QImage image(logical * kRatio, QImage::Format_RGB32);
  // 96 dots per inch, as the design assumes, whatever the screen.
  image.setDotsPerMeterX(3780);
  image.setDotsPerMeterY(3780);
  image.setDevicePixelRatio(kRatio);
  image.fill(Qt::white);

  QPainter painter(&image);
  painter.setRenderHint(QPainter::TextAntialiasing);
  PaintChart(painter, QRectF(QPointF(0, 0), chartSize),
             reading.sheet.chart.value_or(core::ChartModel{}), style, 8);
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

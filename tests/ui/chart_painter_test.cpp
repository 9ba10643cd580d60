// The chart painter: every line of a box's text, as drawn, lies inside the box's outline, on
// the page and in the picture, in every language, with the box as full as a sign can be.

#include "ui/output/chart_painter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPdfWriter>
#include <QPolygonF>
#include <QtTest>

#include "ui/common/language.h"
#include "ui/output/reading_page.h"

Q_DECLARE_METATYPE(ui::Language)

namespace {

// Rahu and Ketu stand opposite: at most nine bodies share a sign, five of them retrograde.
core::ChartSign NineBodies() {
  core::ChartSign sign;
  for (int body : {0, 1, 2, 3, 4, 5, 6, 7, 9})
    sign.bodies.push_back({body, body >= 2 && body <= 6});
  return sign;
}

class ChartPainterTest : public QObject {
  Q_OBJECT

 private slots:
  void textStaysInItsBox_data() {
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<bool>("page");
    for (const ui::Language language : ui::kLanguages)
      for (const bool page : {false, true})
        QTest::newRow(qPrintable(ui::LanguageCode(language) + (page ? " page" : " picture")))
            << language << page;
  }
  void textStaysInItsBox() {
    QFETCH(ui::Language, language);
    QFETCH(bool, page);
    QVERIFY(ui::UseLanguage(language));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    const chart::ChartStyle& style = chart::PatakiStyle();
    // As the PNG draws it (twice the design size) and as the page does (0.58 of its width).
    QImage image(16, 16, QImage::Format_RGB32);
    image.setDevicePixelRatio(2);
    QPdfWriter pdf(QStringLiteral("/dev/null"));
    ui::SetUpPage(pdf);
    QPaintDevice* device = page ? static_cast<QPaintDevice*>(&pdf) : &image;
    const qreal width = page ? pdf.width() * 0.58 : style.frame.width / 15;
    const qreal scale = ui::ChartScale(style, QRectF(0, 0, width, width / ui::ChartAspect(style)));
    for (int sign = 0; sign < 12; ++sign) {
      const chart::StyleBox& box = chart::BoxOfSign(style, sign, -1);
      QPolygonF outline;
      for (const chart::Point& p : box.outline) outline << QPointF(p.x, p.y);
      for (const ui::ChartPiece& piece :
           ui::BoxPieces(box, sign, NineBodies(), page ? 7.5 : 8, scale, device)) {
        const QRectF ink =
            QFontMetricsF(piece.font, device).tightBoundingRect(piece.text).translated(piece.at);
        for (const QPointF& corner :
             {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
          QVERIFY2(outline.containsPoint(corner, Qt::OddEvenFill),
                   qPrintable(QStringLiteral("sign %1: \"%2\" reaches %3, %4")
                                  .arg(sign)
                                  .arg(piece.text)
                                  .arg(corner.x())
                                  .arg(corner.y())));
      }
    }
  }
};

}  // namespace

QTEST_MAIN(ChartPainterTest)
#include "chart_painter_test.moc"

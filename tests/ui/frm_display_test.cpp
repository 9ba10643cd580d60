// The result window: its design state, and how it draws a result sheet.

#include "ui/frm_display.h"

#include <QFrame>
#include <QLabel>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "core/result_sheet.h"
#include "fakes.h"
#include "ui/look.h"
#include "ui/mod_help.h"

using ui::testing::RecordingLinks;

namespace {

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QColor Background(const QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}

}  // namespace

class FrmDisplayTest : public QObject {
  Q_OBJECT

 private:
  RecordingLinks links;

 private slots:
  void everyWrittenWidgetExistsWithItsDesignCaption() {
    ui::FrmDisplay window(links);
    for (const core::WrittenWidget& w : core::WrittenWidgets()) {
      auto* label = window.findChild<QLabel*>(Name(w.name));
      QVERIFY2(label, w.name.data());
      QCOMPARE(label->text(), Name(w.designCaption));
      QCOMPARE(label->textFormat(), Qt::PlainText);
    }
  }

  void designState() {
    ui::FrmDisplay window(links);
    QCOMPARE(window.objectName(), QStringLiteral("frmDisplay"));
    QCOMPARE(window.size(), QSize(ui::Twips(14745), ui::Twips(8865)));
    QCOMPARE(Background(&window), QColor(0, 64, 64));

    auto* details = window.findChild<QTabWidget*>("SSTab2");
    QCOMPARE(details->tabText(0), QStringLiteral("Planetary Position"));
    QCOMPARE(details->tabText(1), QStringLiteral("Your Details"));
    QCOMPARE(details->currentIndex(), 1);
    QVERIFY(details->widget(0)->findChild<QWidget*>("fraWestern"));
    QVERIFY(details->widget(1)->findChild<QWidget*>("Frame2"));
    auto* reading = window.findChild<QTabWidget*>("SSTab1");
    QCOMPARE(reading->tabText(0), QStringLiteral("Pataki Details"));
    QCOMPARE(reading->tabText(1), QStringLiteral(" More About Vedha"));
    QCOMPARE(reading->currentIndex(), 0);
    QVERIFY(reading->widget(0)->findChild<QWidget*>("Frame1"));
    QVERIFY(reading->widget(1)->findChild<QTextEdit*>("RTB")->isReadOnly());

    const QStringList signs = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                               "Leo",         "Virgo",     "Libra",    "Scorpio",
                               "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int sign = 0; sign < 12; ++sign) {
      auto* box = window.findChild<QFrame*>(Name(core::kSignPictureBoxes[sign]));
      QVERIFY(box);
      QCOMPARE(box->size(), QSize(ui::Twips(1965), ui::Twips(1680)));
      QCOMPARE(Background(box), QColor(0, 64, 64));
      QVERIFY(box->findChild<QLabel*>(Name(core::kSignContentLabels[sign])));
      QCOMPARE(box->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(sign))->text(),
               signs[sign]);
    }
    // Value labels in the value colour, caption labels in the caption colour.
    QCOMPARE(window.findChild<QLabel*>("lblDOB")->palette().color(QPalette::WindowText),
             QColor(255, 192, 128));
    QCOMPARE(window.findChild<QLabel*>("Label14")->text(), QStringLiteral("Time of Birth :"));
    QCOMPARE(window.findChild<QLabel*>("Label14")->palette().color(QPalette::WindowText),
             QColor(0, 192, 0));
    QCOMPARE(window.findChild<QLabel*>("PlanetName(16)")->text(), QStringLiteral("Asc/Lagna"));
  }

  void signBoxesFormTheRimOfAFiveByFiveGrid() {
    ui::FrmDisplay window(links);
    // Row and column of each sign from Aries, counter-clockwise from the top right.
    const QPoint cells[12] = {{3, 0}, {2, 0}, {1, 0}, {0, 1}, {0, 2}, {0, 3},
                              {1, 4}, {2, 4}, {3, 4}, {4, 3}, {4, 2}, {4, 1}};
    for (int sign = 0; sign < 12; ++sign) {
      const QPoint centre =
          window.findChild<QFrame*>(Name(core::kSignPictureBoxes[sign]))->geometry().center();
      const int column = centre.x() / ui::Twips(1965);
      const int row = centre.y() / ui::Twips(1680);
      QCOMPARE(QPoint(column, row), cells[sign]);
    }
  }

  void rendersAHandMadeSheet() {
    core::ResultSheet sheet;
    sheet.SetCaption("lblName", "<b>ASHA</b> & RANI");
    sheet.SetCaption("lblCancer", "Sun\r\nMoon (R) \r\nAsc");
    sheet.SetCaption(core::PositionLabel(9), "12 Can 07");
    sheet.SetCaption("noSuchWidget", "ignored");
    for (int sign : {3, 6, 9, 11}) sheet.Highlight(sign);
    sheet.AppendText("Lagna receives ", false, core::kReadingTextColour);
    sheet.AppendText("vedha", true, core::Rgb{255, 0, 0});
    sheet.AppendText(".\r\nNext line", false, core::kReadingTextColour);

    ui::FrmDisplay window(links);
    window.Render(sheet);

    QCOMPARE(window.findChild<QLabel*>("lblName")->text(), QStringLiteral("<b>ASHA</b> & RANI"));
    QCOMPARE(window.findChild<QLabel*>("lblCancer")->text(), QStringLiteral("Sun\nMoon (R) \nAsc"));
    QCOMPARE(window.findChild<QLabel*>("planet(9)")->text(), QStringLiteral("12 Can 07"));
    QCOMPARE(window.findChild<QLabel*>("lblDOB")->text(), QStringLiteral("lblDOB"));  // unwritten
    for (int sign = 0; sign < 12; ++sign) {
      const bool marked = sign == 3 || sign == 6 || sign == 9 || sign == 11;
      QCOMPARE(Background(window.findChild<QFrame*>(Name(core::kSignPictureBoxes[sign]))),
               marked ? QColor(0, 128, 128) : QColor(0, 64, 64));
    }

    auto* text = window.findChild<QTextEdit*>("RTB");
    QCOMPARE(text->toPlainText(), QStringLiteral("Lagna receives vedha.\nNext line"));
    const QTextBlock first = text->document()->firstBlock();
    QList<QTextFragment> fragments;
    for (auto it = first.begin(); !it.atEnd(); ++it) fragments << it.fragment();
    QCOMPARE(fragments.size(), 3);
    QCOMPARE(fragments[0].charFormat().fontWeight(), int(QFont::Normal));
    QCOMPARE(fragments[0].charFormat().foreground().color(), QColor(0, 255, 0));
    QCOMPARE(fragments[1].text(), QStringLiteral("vedha"));
    QCOMPARE(fragments[1].charFormat().fontWeight(), int(QFont::Bold));
    QCOMPARE(fragments[1].charFormat().foreground().color(), QColor(255, 0, 0));
  }

  void forumAddressOpensTheHomePage() {
    ui::FrmDisplay window(links);
    links.opened.clear();
    auto* address = window.findChild<QLabel*>("Label6");
    QVERIFY(address->text().startsWith(' '));
    QTest::mouseClick(address, Qt::LeftButton);
    QCOMPARE(links.opened, QList<QUrl>{modHelp::HomePage()});
  }
};

QTEST_MAIN(FrmDisplayTest)
#include "frm_display_test.moc"

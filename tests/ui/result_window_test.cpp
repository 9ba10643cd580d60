// The result window: its design state, and how it draws a result sheet.

#include "ui/result/result_window.h"

#include <QFrame>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

#include "core/result_sheet.h"
#include "ephemeris/calendar_angles.h"
#include "fakes.h"
#include "reading/reading.h"
#include "ui/common/language.h"
#include "ui/common/look.h"
#include "ui/common/web_links.h"
#include "ui/result/fitted_labels.h"

using ui::testing::RecordingLinks;

namespace {

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

// A sun time on the 28th of the month, 12:58:58: the widest figures.
std::chrono::local_seconds SunTime(int month) {
  using namespace std::chrono;
  return local_days{year{1988} / month / 28} + hours{12} + minutes{58} + seconds{58};
}

// A real reading with a crowded box: Delhi, 4 February 1962, 06:30 Indian time.
core::ResultSheet Delhi1962() {
  core::FormEntries delhi;
  delhi.txtName = "DELHI";
  delhi.cboMonth = 1;
  delhi.cboDate = "4";
  delhi.cboYear = "1962";
  delhi.cboHH = "6";
  delhi.cboMM = "30";
  delhi.txtMCity = delhi.txtMState = delhi.txtMCountry = "Delhi";
  delhi.cmbTimeZone = 34;
  delhi.txtLonD = "77", delhi.txtLonM = "13", delhi.txtLatD = "28", delhi.txtLatM = "39";
  core::BirthRecord record;
  core::ResultSheet sheet;
  if (reading::RunReading(delhi, record, sheet)) qFatal("the Delhi reading was refused");
  return sheet;
}

QColor Background(const QWidget* widget) {
  return widget->palette().color(QPalette::Window);
}

}  // namespace

Q_DECLARE_METATYPE(ui::Language)
Q_DECLARE_METATYPE(core::ChartModel)

namespace {

// Rahu and Ketu stand opposite: at most nine bodies share a sign, five of them retrograde.
core::ChartModel NineBodiesIn(int sign) {
  core::ChartModel chart;
  for (int body : {0, 1, 2, 3, 4, 5, 6, 7, 9})
    chart.signs[static_cast<std::size_t>(sign)].bodies.push_back({body, body >= 2 && body <= 6});
  return chart;
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

  // With the program's third tab the reading panel's titles still show whole, side by side,
  // and its tabs keep the height of the other panel's, so its pages keep their place.
  void readingTabsShowEveryTitleWhole() {
    ui::FrmDisplay window(links);
    auto* reading = window.findChild<QTabWidget*>("SSTab1");
    reading->addTab(new QWidget, QStringLiteral("Nakshatra && Dasha"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTabBar* bar = reading->tabBar();
    QCOMPARE(bar->count(), 3);
    for (int i = 0; i < bar->count(); ++i) {
      const QRect tab = bar->tabRect(i);
      const int title = bar->fontMetrics().size(Qt::TextShowMnemonic, bar->tabText(i)).width();
      QVERIFY2(tab.left() >= 0 && tab.right() < reading->width(), qPrintable(bar->tabText(i)));
      QVERIFY2(tab.width() > title, qPrintable(bar->tabText(i)));
    }
    auto* details = window.findChild<QTabWidget*>("SSTab2");
    QCOMPARE(reading->widget(0)->mapTo(reading, QPoint()).y(),
             details->widget(0)->mapTo(details, QPoint()).y());
  }

  // The nine headings and values of the Pataki details show in their tab without scrolling,
  // each label as high as its letters at least, in each language. ctest runs this once more as
  // on a Tamil desktop (FC_LANG=ta), where the sans-serif typeface is Lohit Tamil with its tall
  // line box: there the Tamil rows scrolled the Lagna and the Rashi out of sight.
  void patakiDetailsShowWhole_data() {
    QTest::addColumn<ui::Language>("language");
    for (const ui::Language language : ui::kLanguages)
      QTest::newRow(qPrintable(ui::LanguageCode(language))) << language;
  }
  void patakiDetailsShowWhole() {
    QFETCH(ui::Language, language);
    QVERIFY(ui::UseLanguage(language));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    ui::FrmDisplay window(links);
    window.Render(Delhi1962());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* scroll = window.findChild<QScrollArea*>("DetailsScroll");
    QVERIFY(scroll->isVisible());
    QCOMPARE(scroll->verticalScrollBar()->maximum(), 0);
    for (const char* name : {"lblVaar", "lblSunRise", "lblLagna", "Label12", "lblRashi"}) {
      auto* label = window.findChild<QLabel*>(name);
      QVERIFY2(!label->text().isEmpty(), name);
      const int letters = label->fontMetrics().tightBoundingRect(label->text()).height();
      QVERIFY2(label->contentsRect().height() >= letters,
               qPrintable(QStringLiteral("%1: %2 px for letters of %3")
                              .arg(name)
                              .arg(label->contentsRect().height())
                              .arg(letters)));
    }
  }

  // With the clock's row the personal details stay inside their frame, in each language, the
  // last row a pixel clear of the frame's line (it touched it: the dot of the Hindi ड़ was cut).
  void clockRowStaysInsideItsFrame_data() { patakiDetailsShowWhole_data(); }
  void clockRowStaysInsideItsFrame() {
    QFETCH(ui::Language, language);
    QVERIFY(ui::UseLanguage(language));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    ui::FrmDisplay window(links);
    window.Render(Delhi1962());
    window.ShowClock(QStringLiteral("UTC+6:30, war time, Asia/Kolkata"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* frame = window.findChild<QWidget*>("Frame2");
    QVERIFY(frame->isVisible());
    int previous = -1;
    for (const QLabel* label : frame->findChildren<QLabel*>()) {
      if (!label->isVisible() || label->objectName() == QLatin1String("lblName")) continue;
      QVERIFY2(label->geometry().bottom() <= frame->rect().bottom() - 2,
               qPrintable(QStringLiteral("%1 ends at %2, the frame at %3")
                              .arg(label->objectName())
                              .arg(label->geometry().bottom())
                              .arg(frame->rect().bottom())));
      previous = std::max(previous, label->geometry().bottom());
    }
    QCOMPARE(window.findChild<QLabel*>("lblClockUsed")->geometry().bottom(), previous);
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
    sheet.chart.emplace().signs[3].bodies = {{0, false}, {1, true}, {9, false}};
    sheet.SetCaption(core::PositionLabel(9), "12 Can 07");
    sheet.SetCaption("noSuchWidget", "ignored");
    for (int sign : {3, 6, 9, 11}) sheet.Highlight(sign);
    sheet.AppendText("Lagna receives ", false, core::kReadingTextColour);
    sheet.AppendText("vedha", true, core::Rgb{255, 0, 0});
    sheet.AppendText(".\r\nNext line", false, core::kReadingTextColour);

    ui::FrmDisplay window(links);
    window.Render(sheet);

    QCOMPARE(window.findChild<QLabel*>("lblName")->text(), QStringLiteral("<b>ASHA</b> & RANI"));
    QCOMPARE(window.findChild<QLabel*>("lblCancer")->text(),
             QStringLiteral("\nSun\nMoon (R) \nAsc"));
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

  // A reading far longer than its box opens at its heading, not scrolled to its end.
  void readingTextOpensAtItsTop() {
    core::ResultSheet sheet;
    for (int line = 0; line < 200; ++line)
      sheet.RTB.push_back({"Line " + std::to_string(line) + "\r\n", false, {255, 192, 128}});
    ui::FrmDisplay window(links);
    window.Render(sheet);
    window.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* text = window.findChild<QTextEdit*>("RTB");
    QVERIFY(text->verticalScrollBar()->maximum() > 0);
    QCOMPARE(text->verticalScrollBar()->value(), 0);
    QCOMPARE(text->textCursor().position(), 0);
  }

  // The longest captions a reading writes, in the fonts the build installs and in each
  // language, the window made in it or in another and switched to it (`start`): each lies
  // whole within its label, with 2 px to spare on either side, and covers no other label.
  // `month` is the month of a date caption, `sign` the sign of a position. A switched window
  // is walked through one month and the signs' own captions (its texts are the same).
  void captionsFitTheirLabels_data() {
    QTest::addColumn<ui::Language>("start");
    QTest::addColumn<ui::Language>("language");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("sign");
    QTest::addColumn<core::ChartModel>("chart");
    constexpr int n = int(ui::kLanguages.size());
    for (int pair = 0; pair < n * n; ++pair) {
      const ui::Language start = ui::kLanguages[pair / n], language = ui::kLanguages[pair % n];
      const bool switched = start != language;
      const QString code =
          ui::LanguageCode(language) +
          (start == language ? QString() : QStringLiteral(" after ") + ui::LanguageCode(start)) +
          QStringLiteral(", ");
      const auto row = [&code, start, language](const QString& name, const QString& label,
                                                const QString& caption, int month = 0,
                                                int sign = -1, const core::ChartModel& chart = {}) {
        QTest::newRow(qPrintable(code + name))
            << start << language << label << caption << month << sign << chart;
      };
      for (int month = switched ? 9 : 1; month <= (switched ? 9 : 12); ++month) {
        const QString monthName = Name(core::MonthName(month));
        row("polar night, " + monthName, "lblSunRise",
            QString::fromStdString(reading::DateTimeText(SunTime(month))) +
                " (the Sun did not rise this day)",
            month);
        row("polar day, " + monthName, "lblSunSet",
            QString::fromStdString(reading::DateTimeText(SunTime(month))) +
                " (the Sun did not set this day)",
            month);
        row("date of birth, " + monthName, "lblDOB", monthName + "/28/2000", month);
      }
      for (const char* day :
           {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"})
        row(day, "lblVaar", day);
      for (int sign = 0; sign < 12; ++sign) {
        row(Name(core::kSignContentLabels[sign]) + " holding nine bodies",
            Name(core::kSignContentLabels[sign]),
            "\nSun\nMoon\nMercury (R) \nVenus (R) \nMars (R) \nJupiter (R) \nSaturn (R) "
            "\nRahu\nAsc",
            0, -1, NineBodiesIn(sign));
        row(QStringLiteral("sign name %1").arg(sign), QStringLiteral("Label1(%1)").arg(sign), {});
        if (switched) continue;
        row(QStringLiteral("position in sign %1").arg(sign), QStringLiteral("planet(9)"),
            QStringLiteral("29 %1 59").arg(Name(ephemeris::SignAbbreviation(sign))), 0, sign);
        row(QStringLiteral("Lagna in sign %1").arg(sign), QStringLiteral("lblLagna"),
            Name(ephemeris::kSanskritSignNames[static_cast<std::size_t>(sign)]));
      }
      const core::ResultSheet delhi = Delhi1962();
      const QString capricorn =
          QString::fromStdString(std::string(delhi.WrittenCaption("lblCapricorn")));
      QCOMPARE(capricorn.count('\n'), 9);
      row("Capricorn of Delhi 1962", "lblCapricorn", capricorn, 0, -1, *delhi.chart);
    }
  }
  void captionsFitTheirLabels() {
    QFETCH(ui::Language, start);
    QFETCH(ui::Language, language);
    QFETCH(QString, label);
    QFETCH(QString, caption);
    QFETCH(int, month);
    QFETCH(int, sign);
    QFETCH(core::ChartModel, chart);
    QVERIFY(ui::UseLanguage(start));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    core::ResultSheet sheet;
    if (!caption.isEmpty()) sheet.SetCaption(label.toStdString(), caption.toStdString());
    if (chart != core::ChartModel{}) sheet.chart = chart;
    // The facts the reading keeps beside such a caption, for the other languages.
    core::ReadingFacts& facts = sheet.facts;
    if (label == QLatin1String("lblDOB"))
      facts.birthDate = std::chrono::year_month_day{
          std::chrono::year{2000}, std::chrono::month(unsigned(month)), std::chrono::day{28}};
    for (std::size_t which : {0u, 1u})
      if (label == QLatin1String(which == 0 ? "lblSunRise" : "lblSunSet")) {
        facts.sunTimes[which] = SunTime(month);
        facts.sunDays[which] = which == 0 ? core::SunDay::NeverRises : core::SunDay::NeverSets;
      }
    if (sign >= 0) {
      facts.longitudes.emplace();
      (*facts.longitudes)[9].degrees = sign * 30 + 29.99;
    }
    ui::FrmDisplay window(links);
    window.Render(sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(ui::UseLanguage(language));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::processEvents();
    auto* shown = window.findChild<QLabel*>(label);
    QVERIFY(shown->parentWidget()->rect().contains(shown->geometry()));
    const QRect room = shown->contentsRect();
    if (auto* signs = qobject_cast<ui::SignContents*>(shown)) {
      const ui::SignContents::Arrangement drawn = signs->Arrange();
      const QPoint corner = room.topLeft() + QPoint(signs->margin(), signs->margin());
      QVERIFY2(shown->rect().contains(QRect(corner, drawn.size + QSize(4, 0))),
               qPrintable(QStringLiteral("%1x%2 in %3x%4")
                              .arg(drawn.size.width())
                              .arg(drawn.size.height())
                              .arg(room.width())
                              .arg(room.height())));
      QVERIFY(drawn.font.pointSizeF() >= ui::SignContents::kSmallestPointSize);
      return;
    }
    // Laid out 2 px narrower on each side, as it is drawn: nothing may stick out of the label.
    const int flags = int(shown->alignment()) | (shown->wordWrap() ? Qt::TextWordWrap : 0);
    const QRect needed =
        shown->fontMetrics().boundingRect(room.adjusted(2, 0, -2, 0), flags, shown->text());
    if (language != ui::Language::English) {
      // The Lohit fonts' line box is taller than the rows the labels stand in: the caption
      // must fit the width on as many lines as it has, wrapped nowhere, and the letters of its
      // lines, marks above and below included, the height.
      const QRect unwrapped = shown->fontMetrics().boundingRect(
          room.adjusted(2, 0, -2, 0), flags & ~Qt::TextWordWrap, shown->text());
      const QStringList lines = shown->text().split(QLatin1Char('\n'));
      int letters = 0;
      for (const QString& line : lines)
        letters = std::max(letters, shown->fontMetrics().tightBoundingRect(line).height());
      QVERIFY2(unwrapped.width() + 4 <= room.width() && needed.height() == unwrapped.height() &&
                   letters * lines.size() <= room.height(),
               qPrintable(QStringLiteral("needs %1 x %2 px, has %3 x %4: %5")
                              .arg(unwrapped.width() + 4)
                              .arg(letters * lines.size())
                              .arg(room.width())
                              .arg(room.height())
                              .arg(shown->text())));
      return;
    }
    QVERIFY2(needed.width() + 4 <= room.width() && shown->rect().contains(needed),
             qPrintable(QStringLiteral("needs %1x%2 at %3, has %4x%5")
                            .arg(needed.width())
                            .arg(needed.height())
                            .arg(needed.top())
                            .arg(shown->width())
                            .arg(shown->height())));
    // Nothing else in the frame covers it (the position rows, 270 twips high every 240, overlap
    // at design by their blank margins).
    if (label.startsWith(QLatin1String("planet("))) return;
    for (auto* other : shown->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly))
      QVERIFY2(other == shown || !other->geometry().intersects(shown->geometry()),
               qPrintable(other->objectName()));
  }

  // Text the person typed may be longer than its label: it ends in "…" where it is cut, and
  // the whole text is at hand as the tooltip and the accessible description.
  void typedTextsShowWhereTheyAreCut_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("cut");
    QTest::newRow("long name") << "lblName"
                               << "BALASUBRAMANIAM VENKATARAGHAVAN SRINIVASAN" << true;
    QTest::newRow("long city") << "lblCity"
                               << "Thiruvananthapuram Kanyakumari District" << true;
    QTest::newRow("long state") << "lblState"
                                << "Andaman and Nicobar Islands Union Territory" << true;
    QTest::newRow("long country") << "lblCountry"
                                  << "Saint Vincent and the Grenadines, West Indies" << true;
    // Texts that were cut although the frame had room beside them.
    QTest::newRow("state up to the frame's edge") << "lblState"
                                                  << "National Capital Territory of Delhi" << false;
    QTest::newRow("country up to the frame's edge") << "lblCountry"
                                                    << "United States of America" << false;
    QTest::newRow("short name") << "lblName"
                                << "ASHA RANI" << false;
    QTest::newRow("short city") << "lblCity"
                                << "Pune" << false;
  }
  void typedTextsShowWhereTheyAreCut() {
    QFETCH(QString, label);
    QFETCH(QString, typed);
    QFETCH(bool, cut);
    core::ResultSheet sheet;
    sheet.SetCaption(label.toStdString(), typed.toStdString());
    ui::FrmDisplay window(links);
    window.Render(sheet);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* shown = window.findChild<ui::ElidedLabel*>(label);
    QVERIFY(shown);
    QCOMPARE(shown->text(), typed);
    const QString drawn = shown->ShownText();
    QVERIFY2(shown->fontMetrics().horizontalAdvance(drawn) <= shown->contentsRect().width(),
             qPrintable(drawn));
    QVERIFY(shown->fontMetrics().height() + 1 < shown->height());
    QVERIFY(shown->geometry().right() <= shown->parentWidget()->contentsRect().right());
    QCOMPARE(drawn.endsWith(QChar(0x2026)), cut);
    QCOMPARE(drawn == typed, !cut);
    QCOMPARE(shown->toolTip(), cut ? typed : QString());
    QCOMPARE(shown->accessibleDescription(), cut ? typed : QString());
  }

  void forumAddressOpensTheHomePage() {
    ui::FrmDisplay window(links);
    links.opened.clear();
    auto* address = window.findChild<QLabel*>("Label6");
    QVERIFY(address->text().startsWith(' '));
    QTest::mouseClick(address, Qt::LeftButton);
    QCOMPARE(links.opened, QList<QUrl>{ui::HomePage()});
  }
};

QTEST_MAIN(FrmDisplayTest)
#include "result_window_test.moc"

// The Calculation menu and its kept preference, and the Nakshatra & Dasha tab with the
// period running on a test clock.

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QScrollBar>
#include <QSettings>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include "core/birth_details.h"
#include "core/zone_table.h"
#include "fakes.h"
#include "reading/reading.h"
#include "reading/timing.h"
#include "ui/app/program.h"
#include "ui/common/language.h"
#include "ui/common/look.h"
#include "ui/form/birth_form.h"
#include "ui/form/calculation_preference.h"
#include "ui/form/form_filling.h"
#include "ui/result/dasha_tab.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"

using namespace std::chrono;

namespace {

// New Delhi, 7 March 1984, 10:05:30 Indian time.
core::FormEntries DelhiBirth() {
  // Built whole (not field by field): GCC 12 warns falsely (-Wrestrict) on short assignments.
  core::FormEntries e{.txtName = "ASHA",
                      .cboMonth = 2,
                      .cboDate = "7",
                      .cboYear = "1984",
                      .cboHH = "10",
                      .cboMM = "5",
                      .cboSS = "30",
                      .txtMCity = "New Delhi",
                      .txtMState = "Delhi",
                      .txtMCountry = "India",
                      .txtLonD = "77",
                      .txtLonM = "13",
                      .txtLatD = "28",
                      .txtLatM = "38"};
  for (std::size_t row = 0; row < core::ZoneTable().size(); ++row)
    if (core::ZoneTable()[row].text.starts_with("Indian Time"))
      e.cmbTimeZone = static_cast<int>(row);
  return e;
}

core::Calculation Swiss(core::Ayanamsa ayanamsa = core::Ayanamsa::Lahiri) {
  core::Calculation c;
  c.ephemeris = core::EphemerisChoice::Swiss;
  c.swiss.ayanamsa = ayanamsa;
  return c;
}

}  // namespace

Q_DECLARE_METATYPE(ui::Language)

class TimingAndCalculationTest : public QObject {
  Q_OBJECT

  ui::testing::RecordingDialogs dialogs;
  ui::testing::RecordingLinks links;

  QAction* Action(ui::FrmMain& form, const char* name) {
    auto* action = form.findChild<QAction*>(QLatin1String(name));
    if (!action) qFatal("no action %s", name);
    return action;
  }

 private slots:
  void init() { QFile::remove(ui::PreferenceFilePath()); }

  void swissWidensTheYearsAndBuiltInNarrowsThem() {
    ui::FrmMain form(dialogs, links);
    auto* years = form.findChild<QComboBox*>("cboYear");
    QCOMPARE(years->currentText(), QStringLiteral("1901"));
    QVERIFY(!form.Entries().calculation);
    QVERIFY(!form.findChild<QMenu*>("mnuAyanamsa")->isEnabled());

    Action(form, "mnuSwiss")->trigger();
    QCOMPARE(years->count(), 600);
    QCOMPARE(years->currentText(), QStringLiteral("1901"));  // the default stays
    QVERIFY(form.findChild<QMenu*>("mnuAyanamsa")->isEnabled());
    Action(form, "mnuRaman")->trigger();
    Action(form, "mnuTrueNode")->trigger();
    core::Calculation expected = Swiss(core::Ayanamsa::Raman);
    expected.swiss.node = core::Node::True;
    QCOMPARE(form.Entries().calculation, std::optional(expected));

    years->setCurrentText(QStringLiteral("2001"));
    Action(form, "mnuBuiltin")->trigger();
    QCOMPARE(years->count(), 150);
    QCOMPARE(years->currentText(), QStringLiteral("2001"));  // kept: in both lists
    Action(form, "mnuSwiss")->trigger();
    years->setCurrentText(QStringLiteral("1850"));
    dialogs.answers = {1};
    Action(form, "mnuBuiltin")->trigger();
    QCOMPARE(years->currentText(), QStringLiteral("1901"));  // outside: back to the default
    QVERIFY(!form.Entries().calculation);
  }

  // A year only the Swiss Ephemeris reads is asked about before the built-in formulas take it:
  // Keep (the default) and Cancel change nothing, the other answer takes them with 1901.
  void aYearTheNewCalculationCannotReadIsAsked_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("year");
    QTest::newRow("cancelled") << -1 << "1850";
    QTest::newRow("the Swiss Ephemeris kept") << 0 << "1850";
    QTest::newRow("the built-in formulas with 1901") << 1 << "1901";
  }
  void aYearTheNewCalculationCannotReadIsAsked() {
    QFETCH(int, answer);
    QFETCH(QString, year);
    ui::FrmMain form(dialogs, links);
    Action(form, "mnuSwiss")->trigger();
    Action(form, "mnuRaman")->trigger();
    form.findChild<QComboBox*>("cboYear")->setCurrentText(QStringLiteral("1850"));
    dialogs.questions.clear();
    dialogs.answers = {answer};
    Action(form, "mnuBuiltin")->trigger();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].first.contains("The year of birth, 1850, lies outside"));
    QCOMPARE(dialogs.questions[0].second,
             (QStringList{"Keep the Swiss Ephemeris", "Take the built-in formulas with 1901"}));
    QCOMPARE(form.Entries().cboYear, year.toStdString());
    QCOMPARE(form.Entries().calculation,
             answer == 1 ? std::nullopt : std::optional(Swiss(core::Ayanamsa::Raman)));
    QCOMPARE(ui::LoadCalculationPreference(), form.Entries().calculation);  // kept as shown
  }

  void theChoiceIsKeptBetweenRunsAndWrittenOnlyWhenItChanges() {
    {
      ui::FrmMain form(dialogs, links);
      QVERIFY(!QFile::exists(ui::PreferenceFilePath()));  // nothing chosen, nothing written
      Action(form, "mnuSwiss")->trigger();
      Action(form, "mnuKrishnamurti")->trigger();
    }
    QVERIFY(QFile::exists(ui::PreferenceFilePath()));
    const QDateTime written = QFileInfo(ui::PreferenceFilePath()).lastModified();
    ui::FrmMain again(dialogs, links);
    QCOMPARE(again.Entries().calculation, std::optional(Swiss(core::Ayanamsa::Krishnamurti)));
    QCOMPARE(again.findChild<QComboBox*>("cboYear")->count(), 600);
    // Picking the entry already chosen changes nothing on disk.
    QTest::qWait(20);
    Action(again, "mnuKrishnamurti")->trigger();
    QCOMPARE(QFileInfo(ui::PreferenceFilePath()).lastModified(), written);
    // The built-in formulas taken, then the Swiss Ephemeris again in the next run: its choices
    // come back as they were shown, as they do within one run.
    Action(again, "mnuBuiltin")->trigger();
    ui::FrmMain third(dialogs, links);
    QVERIFY(!third.Entries().calculation);
    Action(third, "mnuSwiss")->trigger();
    QCOMPARE(third.Entries().calculation, std::optional(Swiss(core::Ayanamsa::Krishnamurti)));
  }

  void aBrokenSettingsFileGivesTheDefaults_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("unknown ayanamsa")
        << QByteArray("[calculation]\nephemeris=swiss\nayanamsa=fagan\n");
    QTest::newRow("not ini") << QByteArray("[calculation\n\x01\x02=\n");
  }
  void aBrokenSettingsFileGivesTheDefaults() {
    QFETCH(QByteArray, text);
    QDir().mkpath(QFileInfo(ui::PreferenceFilePath()).path());
    QFile file(ui::PreferenceFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.close();
    ui::FrmMain form(dialogs, links);
    QVERIFY(!form.Entries().calculation);
    QCOMPARE(form.findChild<QComboBox*>("cboYear")->count(), 150);
  }

  void aCalculationMakesTheFileVersion2() {
    core::BirthDetails details{DelhiBirth(), std::nullopt};
    QVERIFY(core::BirthDetailsText(details).find("\"version\": 1") != std::string::npos);
    details.entries.calculation = Swiss(core::Ayanamsa::TrueChitrapaksha);
    details.entries.cboYear = "1850";
    const std::string text = core::BirthDetailsText(details);
    QVERIFY(text.find("\"version\": 2") != std::string::npos);
    const core::ParsedBirthDetails read = core::ParseBirthDetails(text);
    QVERIFY2(read.details, read.error.c_str());
    QCOMPARE(read.details->entries.calculation, details.entries.calculation);
    QCOMPARE(read.details->entries.cboYear, std::string("1850"));
  }

  // The tab's tables appear only when it is shown; the running mahadasha is highlighted and
  // opened for a clock inside the 120 years, nothing before birth or after the last period.
  void theRunningPeriodFollowsTheClock_data() {
    QTest::addColumn<int>("offsetDays");  // from the start of the fourth mahadasha
    QTest::addColumn<int>("running");     // -1: none
    QTest::newRow("before birth") << -40000 << -1;
    QTest::newRow("inside the fourth") << 10 << 3;
    QTest::newRow("after the 120 years") << 60000 << -1;
  }
  void theRunningPeriodFollowsTheClock() {
    QFETCH(int, offsetDays);
    QFETCH(int, running);
    core::BirthRecord record;
    core::ResultSheet sheet;
    QVERIFY(!reading::RunReading(DelhiBirth(), record, sheet));
    const auto dasha = reading::TimingOf(record).dasha;
    QVERIFY(dasha);
    ui::testing::FixedClock clock;
    clock.now = dasha->mahadashas[3].period.start + days(offsetDays);

    QTabWidget tabs;
    tabs.addTab(new QWidget, QStringLiteral("first"));
    ui::AddTimingTab(tabs, std::make_shared<const reading::Timing>(reading::TimingOf(record)),
                     record.EphemerisFiles, std::nullopt, clock);
    QCOMPARE(tabs.findChild<QLabel*>("lblCalculation")->text().section('\n', 0, 0),
             QStringLiteral("Built-in formulas"));
    QVERIFY(!tabs.findChild<QTreeWidget*>("treDasha"));  // not computed until shown
    tabs.setCurrentIndex(1);
    auto* tree = tabs.findChild<QTreeWidget*>("treDasha");
    QVERIFY(tree);
    QCOMPARE(tree->topLevelItemCount(), 9);
    QCOMPARE(tabs.findChild<QLabel*>("lblYearLength")->text(),
             QStringLiteral("Years of 365.25 days"));
    for (int m = 0; m < 9; ++m) {
      QTreeWidgetItem* item = tree->topLevelItem(m);
      QCOMPARE(item->childCount(), 9);
      QCOMPARE(item->isExpanded(), m == running);
      QCOMPARE(item->background(0).color() == ui::kHighlight, m == running);
    }
    // The first mahadasha's antardashas before birth say so.
    QTreeWidgetItem* first = tree->topLevelItem(0);
    QCOMPARE(first->text(3), QStringLiteral("before birth"));
    for (int a = 0; a < 9; ++a)
      QCOMPARE(first->child(a)->text(3) == QStringLiteral("before birth"),
               dasha->mahadashas[0].antardashas[static_cast<std::size_t>(a)].endsBeforeBirth);
  }

  // In each language every column of the dasha tree shows whole in the tab, the running
  // mahadasha opened ("End" was cut and the age lay behind a scroll bar), and every cell and
  // every row of the nakshatra table above it.
  void everyDashaColumnShowsWhole_data() {
    QTest::addColumn<ui::Language>("language");
    for (const ui::Language language : ui::kLanguages)
      QTest::newRow(qPrintable(ui::LanguageCode(language))) << language;
  }
  void everyDashaColumnShowsWhole() {
    QFETCH(ui::Language, language);
    QVERIFY(ui::UseLanguage(language));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    core::BirthRecord record;
    core::ResultSheet sheet;
    QVERIFY(!reading::RunReading(DelhiBirth(), record, sheet));
    ui::testing::FixedClock clock;
    clock.now = reading::TimingOf(record).dasha->mahadashas[3].period.start + days(10);
    // As the result window holds it: its lower tabs' size, in the window's typeface.
    QTabWidget tabs;
    tabs.setFont(ui::AppFont(8));
    tabs.setDocumentMode(true);
    tabs.setFixedSize(ui::TwipsRect(10080, 3840, 4575, 4935).size());
    tabs.addTab(new QWidget, QStringLiteral("first"));
    ui::AddTimingTab(tabs, std::make_shared<const reading::Timing>(reading::TimingOf(record)),
                     record.EphemerisFiles, std::nullopt, clock);
    tabs.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tabs));
    tabs.setCurrentIndex(1);
    auto* tree = tabs.findChild<QTreeWidget*>("treDasha");
    QVERIFY(tree);
    QCoreApplication::processEvents();
    QVERIFY(!tree->horizontalScrollBar()->isVisible());
    for (int column = 0; column < tree->columnCount(); ++column) {
      const int right =
          tree->header()->sectionViewportPosition(column) + tree->header()->sectionSize(column);
      QVERIFY2(right <= tree->viewport()->width(),
               qPrintable(QStringLiteral("column %1 ends at %2 of %3")
                              .arg(column)
                              .arg(right)
                              .arg(tree->viewport()->width())));
      const QString heading = tree->headerItem()->text(column);
      QVERIFY2(tree->header()->sectionSize(column) >= tree->fontMetrics().size(0, heading).width(),
               qPrintable(heading));
    }
    // The nakshatra table shows every row and column, the tab scrolling instead (two of its
    // ten rows showed in Tamil).
    auto* table = tabs.findChild<QTableWidget*>("tblNakshatra");
    QVERIFY(table);
    for (int row = 0; row < table->rowCount(); ++row) {
      const QRect last = table->visualRect(table->model()->index(row, table->columnCount() - 1));
      QVERIFY2(
          last.bottom() < table->viewport()->height() && last.right() < table->viewport()->width(),
          qPrintable(QStringLiteral("row %1 at %2").arg(row).arg(last.bottom())));
    }
    // Every cell whole: its text, wrapped at spaces in its column less the style's margins,
    // fits the cell's width and height ("1978-01-…", and "before birth" cut on one line).
    const int margins = 2 * (tree->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
      for (int column = 1; column < tree->columnCount(); ++column) {
        const QRect cell = tree->visualItemRect(*it);
        if (cell.isEmpty()) continue;  // a closed period's antardasha
        const QFontMetricsF metrics((*it)->data(column, Qt::FontRole).isValid()
                                        ? (*it)->font(column).resolve(tree->font())
                                        : tree->font());
        const QRectF text =
            metrics.boundingRect(QRectF(0, 0, tree->header()->sectionSize(column) - margins, 1e6),
                                 Qt::TextWordWrap, (*it)->text(column));
        const int lines = qRound(text.height() / metrics.lineSpacing());
        QVERIFY2(text.width() <= tree->header()->sectionSize(column) - margins &&
                     lines * metrics.height() <= cell.height() + 1,
                 qPrintable(QStringLiteral("%1: %2 × %3 in %4 × %5")
                                .arg((*it)->text(column))
                                .arg(text.width())
                                .arg(text.height())
                                .arg(tree->header()->sectionSize(column) - margins)
                                .arg(cell.height())));
      }
  }

  // The reading's frame carries the tab, named for the calculation of the form's entries.
  void theResultWindowNamesTheCalculation_data() {
    QTest::addColumn<bool>("swiss");
    QTest::addColumn<QString>("caption");
    QTest::newRow("built-in") << false << QStringLiteral("Built-in formulas");
    QTest::newRow("Swiss, Raman")
        << true
        << QStringLiteral("Swiss Ephemeris, Raman, mean node, sunrise: upper limb, refracted");
  }
  void theResultWindowNamesTheCalculation() {
    QFETCH(bool, swiss);
    QFETCH(QString, caption);
    ui::Program program(dialogs, links);
    ui::testing::FixedClock clock;
    program.SetClock(clock);
    core::FormEntries entries = DelhiBirth();
    if (swiss) entries.calculation = Swiss(core::Ayanamsa::Raman);
    ui::FillForm(*program.Form(), entries);
    program.RunReading();
    QVERIFY(program.Frame());
    auto* tabs = program.Frame()->Display()->findChild<QTabWidget*>("SSTab1");
    QCOMPARE(tabs->tabText(tabs->count() - 1), QStringLiteral("Nakshatra && Dasha"));
    const QString shown = tabs->findChild<QLabel*>("lblCalculation")->text();
    QCOMPARE(shown.section('\n', 0, 0), caption);
    QCOMPARE(shown.contains(QStringLiteral("Swiss Ephemeris files")),
             swiss && program.Record().EphemerisFiles);
  }

  // A change of language after the tables were shown makes them again in the new language,
  // while the change is still being delivered to the old ones.
  void theTablesFollowALanguageChange() {
    ui::Program program(dialogs, links);
    ui::testing::FixedClock clock;
    program.SetClock(clock);
    ui::FillForm(*program.Form(), DelhiBirth());
    program.RunReading();
    QVERIFY(program.Frame());
    auto* tabs = program.Frame()->Display()->findChild<QTabWidget*>("SSTab1");
    tabs->setCurrentIndex(tabs->count() - 1);
    QVERIFY(tabs->findChild<QTreeWidget*>("treDasha"));
    QVERIFY(ui::UseLanguage(ui::Language::Hindi));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const QList<QTreeWidget*> trees = tabs->findChildren<QTreeWidget*>("treDasha");
    QCOMPARE(trees.size(), 1);
    QCOMPARE(trees[0]->headerItem()->text(0), QCoreApplication::translate("DashaTab", "Period"));
    QVERIFY(trees[0]->headerItem()->text(0) != QStringLiteral("Period"));
    QVERIFY(ui::UseLanguage(ui::Language::English));
  }
};

QTEST_MAIN(TimingAndCalculationTest)
#include "timing_and_calculation_test.moc"

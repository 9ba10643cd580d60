// The City box's atlas: picking fills the form from the place's clock at the birth time, and
// the person's own edits (never the program's filling) stop the atlas. Expected clocks are the
// tz database's (Asia/Kolkata, America/New_York); coordinates are the atlas's rows, rounded.

#include "ui/form/place_picker.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QSignalSpy>
#include <QTextLayout>
#include <QtTest>
#include <optional>
#include <utility>

#include "fakes.h"
#include "ui/common/language.h"
#include "ui/common/look.h"
#include "ui/form/birth_form.h"
#include "ui/form/two_line_label.h"

using ui::testing::RecordingDialogs;
using ui::testing::RecordingLinks;

class PlacePickerTest : public QObject {
  Q_OBJECT

  RecordingDialogs dialogs;
  RecordingLinks links;
  ui::FrmMain* form = nullptr;
  ui::PlacePicker* picker = nullptr;

  template <typename W = QWidget>
  W* Child(const char* name) {
    W* widget = form->findChild<W*>(QLatin1String(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  QString Text(const char* box) { return Child<QLineEdit>(box)->text(); }
  QString Zone() { return Child<QComboBox>("cmbTimeZone")->currentText(); }
  bool Dst() { return Child<QCheckBox>("chkDST")->isChecked(); }
  QString Status() { return Child<QLabel>("lblPlaceStatus")->toolTip(); }  // all of it
  void SetList(const char* list, int value) {
    auto* box = Child<QComboBox>(list);
    box->setCurrentIndex(list == QLatin1String("cboMonth") ? value - 1
                                                           : box->findText(QString::number(value)));
  }
  void SetBirth(int year, int month, int day, int hour, int minute) {
    const std::pair<const char*, int> lists[] = {{"cboYear", year}, {"cboMonth", month},
                                                 {"cboDate", day},  {"cboHH", hour},
                                                 {"cboMM", minute}, {"cboSS", 0}};
    for (const auto& [list, value] : lists) SetList(list, value);
  }
  // Types into the City box and takes the row the typed name matches, as Enter does.
  void PickByTyping(const QString& query) {
    QTest::keyClicks(Child("txtMCity"), query);
    QAbstractItemView* popup = picker->Completer()->popup();
    QVERIFY(popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Return);
  }
  static places::Place At(const char* name, const char* zone, double lat, double lon) {
    return {name, "", "Testland", "TL", zone, lat, lon, 0};
  }

 private slots:
  void init() {
    dialogs = {};
    form = new ui::FrmMain(dialogs, links);
    picker = form->findChild<ui::PlacePicker*>();
    form->show();
    form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Child("txtMCity")->setFocus();  // the line edit follows its completer only with the focus
  }
  void cleanup() { delete form; }

  void atlasLoadsOnFirstKeystrokeAndMayFail() {
    QVERIFY(!picker->AtlasLoaded());  // start-up does not pay for it
    int loads = 0;
    picker->SetAtlasLoader([&loads] {
      ++loads;
      return places::Atlas::FromRows({{"broken\n", 2}, {}, {}});
    });
    QTest::keyClicks(Child("txtMCity"), QStringLiteral("Del"));
    QCOMPARE(loads, 1);
    QVERIFY(Status().contains(QStringLiteral("could not be read (atlas data:")));
    QCOMPARE(picker->Completer()->completionCount(), 0);
    QVERIFY(Text("txtMState").isEmpty() && Text("txtLonD").isEmpty());
  }

  void pickingFillsEveryBox_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("boxes");  // lon deg, lon min, lat deg, lat min
    QTest::addColumn<bool>("east");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("status");
    QTest::newRow("Delhi 1943 on war time")
        << "Delhi" << QDate(1943, 6, 1) << QStringList{"77", "14", "28", "39"} << true
        << "Indian Time, IST, +5.3"
        << "Delhi, 1 June 1943 12:00: clocks were UTC+6:30 (war time, kept all year); tz ";
    QTest::newRow("New York July 1970")
        << "New York" << QDate(1970, 7, 1) << QStringList{"74", "0", "40", "43"} << false
        << "Eastern Standard Time,EST,-5.0"
        << "New York, 1 July 1970 12:00: clocks were UTC-4:00 (summer time); tz database ";
  }
  void pickingFillsEveryBox() {
    QFETCH(QString, query);
    QFETCH(QDate, date);
    QFETCH(QStringList, boxes);
    QFETCH(bool, east);
    QFETCH(QString, zone);
    QFETCH(QString, status);
    SetBirth(date.year(), date.month(), date.day(), 12, 0);
    PickByTyping(query);
    QCOMPARE(Text("txtMCity"), query);
    QVERIFY(!Text("txtMState").isEmpty() && !Text("txtMCountry").isEmpty());
    QCOMPARE((QStringList{Text("txtLonD"), Text("txtLonM"), Text("txtLatD"), Text("txtLatM")}),
             boxes);
    QCOMPARE(Child<QRadioButton>("optLong0")->isChecked(), east);
    QVERIFY(Child<QRadioButton>("optLat0")->isChecked());
    QCOMPARE(Zone(), zone);
    QVERIFY(Dst());
    QVERIFY2(Status().contains(status), qPrintable(Status()));
  }

  void minutesCarryIntoDegrees() {
    // 28° 59.7' carries into 29° 0'; 179° 59.994' W stays in the box's range at 179° 59'.
    picker->Pick(At("Carry", "Asia/Kolkata", 28.995, -179.9999));
    QCOMPARE((QStringList{Text("txtLatD"), Text("txtLatM"), Text("txtLonD"), Text("txtLonM")}),
             (QStringList{"29", "0", "179", "59"}));
    QVERIFY(Child<QRadioButton>("optLong1")->isChecked());
  }

  void onlyThePersonsEditsStopTheAtlas_data() {
    // 0: none, 1: longitude typed, 2: zone chosen, 3: box clicked, 4: longitude set
    QTest::addColumn<int>("edit");
    QTest::addColumn<bool>("followsDate");
    QTest::newRow("the program's filling is no edit") << 0 << true;
    QTest::newRow("longitude typed") << 1 << false;
    QTest::newRow("zone chosen") << 2 << false;
    QTest::newRow("box clicked") << 3 << false;
    QTest::newRow("longitude written by other code") << 4 << false;
  }
  void onlyThePersonsEditsStopTheAtlas() {
    QFETCH(int, edit);
    QFETCH(bool, followsDate);
    SetBirth(1943, 6, 1, 12, 0);
    picker->Pick(At("Delhi", "Asia/Kolkata", 28.65195, 77.23149));
    QVERIFY(Dst());
    if (edit == 1) QTest::keyClicks(Child("txtLonD"), QStringLiteral("7"));
    if (edit == 2) QTest::keyClick(Child("cmbTimeZone"), Qt::Key_Down);
    if (edit == 3) {
      Child<QCheckBox>("chkDST")->click();
      Child<QCheckBox>("chkDST")->click();
    }
    if (edit == 4) Child<QLineEdit>("txtLonD")->setText(QStringLiteral("70"));  // a file read in
    const QString zone = Zone();
    SetList("cboYear", 1950);  // India kept no summer clock in 1950
    QCOMPARE(Dst(), !followsDate);
    QCOMPARE(Zone(), zone);
    QCOMPARE(Status().contains(QStringLiteral("the atlas no longer sets the clock")), !followsDate);
  }

  // Kathmandu from a fresh start, Chennai from war time back to Madras time, and Varanasi from
  // war time back to 1850 (Swiss Ephemeris), before Asia/Kolkata's first entry: the clock no
  // row shows is the zone list's extra entry, selected with the box cleared by the same
  // decision; the birth time stays as typed and the entries carry the offset, no row.
  void clockNoRowShowsIsTheExtraEntry_data() {
    QTest::addColumn<QString>("place");
    QTest::addColumn<int>("firstYear");  // 0: the fresh form's GMT row
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<int>("offset");
    QTest::newRow("Kathmandu, fresh start")
        << "Kathmandu" << 0 << 1990 << "Kathmandu clock, UTC+5:45" << 20700;
    QTest::newRow("Chennai 1943 (war time, box ticked), then 1905")
        << "Chennai" << 1943 << 1905 << "Madras time, UTC+5:21:10" << 19270;
    QTest::newRow("Varanasi 1943, then 1850: its own mean time, 83.01041 E x 240 s")
        << "Varanasi" << 1943 << 1850 << "local mean time of Varanasi, UTC+5:32:02" << 19922;
  }
  void clockNoRowShowsIsTheExtraEntry() {
    QFETCH(QString, place);
    QFETCH(int, firstYear);
    QFETCH(int, year);
    QFETCH(QString, entry);
    QFETCH(int, offset);
    const places::Place kathmandu = At("Kathmandu", "Asia/Kathmandu", 27.70169, 85.3206);
    const places::Place chennai = At("Chennai", "Asia/Kolkata", 13.08784, 80.27847);
    const places::Place varanasi = At("Varanasi", "Asia/Kolkata", 25.31668, 83.01041);
    auto* zone = Child<QComboBox>("cmbTimeZone");
    if (year < 1901) form->SetCalculation(core::Calculation{core::EphemerisChoice::Swiss, {}});
    SetBirth(firstYear ? firstYear : year, 5, 1, 6, 0);
    picker->Pick(place == "Kathmandu" ? kathmandu : place == "Chennai" ? chennai : varanasi);
    if (firstYear) {
      QVERIFY(Dst());
      QCOMPARE(zone->count(), 71);
      SetList("cboYear", year);
    }
    QCOMPARE(zone->count(), 72);
    QCOMPARE(zone->currentIndex(), 71);
    QCOMPARE(Zone(), entry);
    QVERIFY(!Dst());
    QVERIFY(!form->findChild<QPushButton*>("cmdUseZoneRow"));  // no conversion offered
    const core::FormEntries entries = form->Entries();
    QCOMPARE(entries.cmbTimeZone, -1);
    QCOMPARE(entries.utcOffsetSeconds, std::optional<int>(offset));
    QCOMPARE(
        (QStringList{QString::fromStdString(entries.cboHH), QString::fromStdString(entries.cboMM),
                     QString::fromStdString(entries.cboSS)}),
        (QStringList{"6", "0", "0"}));  // as typed
    QVERIFY(form->ClockSummary().startsWith(entry.mid(entry.indexOf("UTC"))));
    // A row chosen by hand takes the extra entry away.
    zone->setFocus();
    QTest::keyClick(zone, Qt::Key_Up);
    QCOMPARE(zone->count(), 71);
    QVERIFY(!form->Entries().utcOffsetSeconds);
  }

  // The extra entry in Hindi and Tamil: Nepal's clock of 1990, Kathmandu's mean time of 1910.
  void theExtraEntryInHindiAndTamil() {
    for (const ui::Language language : ui::TranslatedLanguages())
      for (const int year : {1990, 1910}) {
        QVERIFY(ui::UseLanguage(language));
        SetBirth(year, 5, 1, 6, 0);
        picker->Pick(At("Kathmandu", "Asia/Kathmandu", 27.70169, 85.3206));
        const QString words = QString(Zone()).remove("Kathmandu").remove("UTC");
        QVERIFY2(
            Zone().startsWith("Kathmandu") && !words.contains(QRegularExpression("[A-Za-z]{3}")),
            qPrintable(Zone()));
      }
    ui::UseLanguage(ui::Language::English);
  }

  // No doubtful reading without an answer: each question comes when the reading is asked for,
  // Cancel changes nothing and runs no reading.
  void questionsComeBeforeTheReading_data() {
    QTest::addColumn<int>("month");   // 1970, New York: 4: 26 April 02:30, 10: 25 October 01:30
    QTest::addColumn<int>("answer");  // -1: Cancel
    QTest::addColumn<bool>("reading");
    QTest::addColumn<bool>("dst");
    QTest::newRow("skipped, cancelled") << 4 << -1 << false << false;
    QTest::newRow("skipped, likely moment taken") << 4 << 0 << true << false;
    QTest::newRow("repeated, cancelled") << 10 << -1 << false << true;
    QTest::newRow("repeated, first") << 10 << 0 << true << true;
    QTest::newRow("repeated, second") << 10 << 1 << true << false;
  }
  void questionsComeBeforeTheReading() {
    QFETCH(int, month);
    QFETCH(int, answer);
    QFETCH(bool, reading);
    QFETCH(bool, dst);
    SetBirth(1970, month, month == 4 ? 26 : 25, month == 4 ? 2 : 1, 30);
    picker->Pick(At("New York", "America/New_York", 40.71427, -74.00597));
    QVERIFY(dialogs.questions.isEmpty());
    const QString zone = Zone();
    QSignalSpy requested(form, &ui::FrmMain::readingRequested);
    dialogs.answers = {answer};
    Child<QPushButton>("cmdRashi")->click();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].first.contains(month == 4
                                                    ? QStringLiteral("so 02:30 did not exist there")
                                                    : QStringLiteral("happened twice")));
    QCOMPARE(requested.size(), reading ? 1 : 0);
    QCOMPARE(Dst(), dst);
    if (month == 4)
      QCOMPARE(Zone(), reading ? QStringLiteral("Eastern Standard Time,EST,-5.0") : zone);
    QCOMPARE(Child<QComboBox>("cboHH")->currentText(), QString::number(month == 4 ? 2 : 1));
  }

  // Arrowing through the hours of a night with a repeated hour asks nothing; leaving the lists
  // asks once.
  void steppingThroughTheHoursAsksNothing() {
    SetBirth(1970, 10, 25, 0, 30);
    picker->Pick(At("New York", "America/New_York", 40.71427, -74.00597));
    auto* hours = Child<QComboBox>("cboHH");
    hours->setFocus();
    for (int step = 0; step < 3; ++step) QTest::keyClick(hours, Qt::Key_Down);
    QTest::keyClick(hours, Qt::Key_Up);
    QTest::keyClick(hours, Qt::Key_Up);
    QCOMPARE(hours->currentText(), QStringLiteral("1"));
    QVERIFY(dialogs.questions.isEmpty());
    dialogs.answers = {1};
    Child("txtName")->setFocus();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(!Dst());
    QSignalSpy requested(form, &ui::FrmMain::readingRequested);
    Child<QPushButton>("cmdRashi")->click();
    QCOMPARE(dialogs.questions.size(), 1);  // answered already
    QCOMPARE(requested.size(), 1);
  }

  // Another city typed over a picked one: the reading asks whether the filled place stays, or,
  // where the atlas knows the City typed, first offers that place; while asked (and after a
  // Cancel) the status line names what is asked about.
  void anotherCityOverAPickedPlace_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("reading");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("firstOption");
    QTest::newRow("cancelled") << "Qqqzx" << -1 << false << "Bagmati Province"
                               << "Keep them";
    QTest::newRow("kept") << "Qqqzx" << 0 << true << "Bagmati Province"
                          << "Keep them";
    QTest::newRow("cleared") << "Qqqzx" << 1 << false << ""
                             << "Keep them";
    const QString mumbai = QStringLiteral("Take Mumbai, Maharashtra, India from the atlas");
    QTest::newRow("an atlas city, cancelled")
        << "Mumbai" << -1 << false << "Bagmati Province" << mumbai;
    QTest::newRow("an atlas city, taken") << "Mumbai" << 0 << true << "Maharashtra" << mumbai;
    QTest::newRow("an atlas city, kept") << "Mumbai" << 1 << true << "Bagmati Province" << mumbai;
    QTest::newRow("an atlas city, cleared") << "Mumbai" << 2 << false << "" << mumbai;
  }
  void anotherCityOverAPickedPlace() {
    QFETCH(QString, typed);
    QFETCH(int, answer);
    QFETCH(bool, reading);
    QFETCH(QString, state);
    QFETCH(QString, firstOption);
    SetBirth(1990, 5, 1, 6, 0);
    places::Place kathmandu = At("Kathmandu", "Asia/Kathmandu", 27.70169, 85.3206);
    kathmandu.division = "Bagmati Province";
    picker->Pick(kathmandu);
    auto* city = Child<QLineEdit>("txtMCity");
    city->selectAll();
    QTest::keyClicks(city, typed);
    picker->Completer()->popup()->hide();
    QVERIFY(Status().contains(QStringLiteral("still those of Kathmandu")));
    QSignalSpy requested(form, &ui::FrmMain::readingRequested);
    dialogs.answers = {answer};
    Child<QPushButton>("cmdRashi")->click();
    QCOMPARE(dialogs.questions.size(), 1);
    QVERIFY(dialogs.questions[0].first.contains("The City reads \"" + typed + "\""));
    QCOMPARE(dialogs.questions[0].second.value(0), firstOption);
    QCOMPARE(requested.size(), reading ? 1 : 0);
    QCOMPARE(Text("txtMCity"), typed);
    QCOMPARE(Text("txtMState"), state);
    QCOMPARE(Text("txtLonD").isEmpty(), state.isEmpty());
    QCOMPARE(form->Entries().utcOffsetSeconds.has_value(), state == "Bagmati Province");
    if (answer < 0)
      QVERIFY2(Status().contains(QStringLiteral("still those of")), qPrintable(Status()));
  }

  // A pick through a former or other name keeps that name; the list says what it is now.
  void namesAsThePersonKnewThem_data() {
    QTest::addColumn<QString>("query");
    QTest::addColumn<QString>("row");
    QTest::newRow("Bombay") << "Bombay"
                            << "Bombay (now Mumbai), Maharashtra, India";
    QTest::newRow("Madras") << "Madras"
                            << "Madras (now Chennai), Tamil Nadu, India";
    QTest::newRow("Zürich") << "Zürich"
                            << "Zürich";
  }
  void namesAsThePersonKnewThem() {
    QFETCH(QString, query);
    QFETCH(QString, row);
    SetBirth(1944, 6, 1, 12, 0);
    for (const QChar letter : query)  // keyClicks takes ASCII only
      QTest::sendKeyEvent(QTest::Click, Child("txtMCity"), Qt::Key_unknown, QString(letter),
                          Qt::NoModifier);
    const QString first = picker->Completer()->completionModel()->index(0, 0).data().toString();
    QVERIFY2(first.startsWith(row), qPrintable(first));
    QTest::keyClick(picker->Completer()->popup(), Qt::Key_Return);
    QCOMPARE(Text("txtMCity"), query);
    QVERIFY2(Status().startsWith(query + QStringLiteral(", 1 June 1944")), qPrintable(Status()));
  }

  // The status line in Hindi draws its Latin runs (offsets, zone ids, addresses) in the Latin
  // typeface, whose "/", ":" and "+" the Devanagari one draws wide; the Devanagari in its own.
  // A zone id is never broken at its slash.
  void statusLineDrawsLatinRunsInTheLatinTypeface_data() {
    QTest::addColumn<QString>("run");
    QTest::addColumn<bool>("latin");
    QTest::addColumn<bool>("aloneOnLine2");  // the label as narrow as puts `run` alone there
    QTest::newRow("offset after Devanagari") << "UTC+6:30" << true << false;
    QTest::newRow("figures after Devanagari") << "1943" << true << false;
    QTest::newRow("zone id") << "Asia/Kolkata" << true << false;
    QTest::newRow("address") << "https://www.geonames.org" << true << false;
    QTest::newRow("Devanagari") << "घड़ियाँ" << false << false;
    QTest::newRow("zone id alone on the second line") << "Asia/Kolkata" << true << true;
  }
  void statusLineDrawsLatinRunsInTheLatinTypeface() {
    QFETCH(QString, run);
    QFETCH(bool, latin);
    QFETCH(bool, aloneOnLine2);
    QVERIFY(ui::UseLanguage(ui::Language::Hindi));
    const auto english = qScopeGuard([] { ui::UseLanguage(ui::Language::English); });
    ui::TwoLineLabel label;
    label.setFont(ui::AppFont(9));
    label.SetSentence(
        QStringLiteral("दिल्ली, 15 दिसंबर 1943 को घड़ियाँ UTC+6:30 पर थीं "
                       "(https://www.geonames.org); tz डेटाबेस 2026f, Asia/Kolkata"));
    for (int width = 150; width <= 600; width += 3) {
      label.resize(width, label.height());
      for (const QString& line : label.ShownText().split(QLatin1Char('\n')))
        QVERIFY2(!line.endsWith(QLatin1Char('/')), qPrintable(line));
    }
    if (aloneOnLine2) {
      label.show();
      label.SetSentence(
          QStringLiteral("नई दिल्ली, 7 मार्च 1984 10:05:30: घड़ियाँ UTC+5:30 पर थीं; Asia/Kolkata"));
      for (int width = 600; width > 100 && label.ShownText().section('\n', 1) != run; --width)
        label.resize(width, label.height());
      QVERIFY2(label.ShownText().section(QLatin1Char(0x0a), 1) == run,
               qPrintable(label.ShownText()));
    }
    const int at = static_cast<int>(label.ShownText().indexOf(run));
    QVERIFY2(at >= 0 && !label.ShownText().contains(QChar(0x2026)), qPrintable(label.ShownText()));
    const QString wanted = ui::LatinFont(label.font()).family();
    const QList<QGlyphRun> runs = label.GlyphRuns(at, static_cast<int>(run.size()));
    QVERIFY(!runs.isEmpty());
    for (const QGlyphRun& glyphs : runs)
      QVERIFY2((glyphs.rawFont().familyName() == wanted) == latin,
               qPrintable(glyphs.rawFont().familyName()));
  }

  void listClosesWithoutPicking_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("key");
    QTest::newRow("unknown name") << "qqqzx" << 0;
    QTest::newRow("typed, then erased") << "d" << int(Qt::Key_Backspace);
    QTest::newRow("Escape after an arrow") << "Delh" << int(Qt::Key_Escape);
    QTest::newRow("Tab after an arrow") << "Delh" << int(Qt::Key_Tab);
  }
  void listClosesWithoutPicking() {
    QFETCH(QString, typed);
    QFETCH(int, key);
    QTest::keyClicks(Child("txtMCity"), typed);
    QAbstractItemView* popup = picker->Completer()->popup();
    if (key == Qt::Key_Backspace) QTest::keyClick(Child("txtMCity"), Qt::Key_Backspace);
    if (key == Qt::Key_Escape || key == Qt::Key_Tab) {
      QTest::keyClick(popup, Qt::Key_Down);
      QTest::keyClick(popup, Qt::Key(key));
      QCOMPARE(Text("txtMCity"), typed);
    }
    QVERIFY(!popup->isVisible());
    for (const char* box : {"txtMState", "txtMCountry", "txtLonD", "txtLatD"})
      QVERIFY2(Text(box).isEmpty(), box);
    QCOMPARE(Zone(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
  }
};

QTEST_MAIN(PlacePickerTest)
#include "place_picker_test.moc"

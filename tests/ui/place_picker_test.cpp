// The City box's atlas: picking fills the form from the place's clock at the birth time, and
// the person's own edits (never the program's filling) stop the atlas. Expected clocks are the
// tz database's (Asia/Kolkata, America/New_York); coordinates are the atlas's rows, rounded.

#include "ui/form/place_picker.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <utility>

#include "fakes.h"
#include "ui/form/birth_form.h"

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
        << "Delhi, 1 June 1943 12:00, per Asia/Kolkata (tz ";
    QTest::newRow("New York July 1970")
        << "New York" << QDate(1970, 7, 1) << QStringList{"74", "0", "40", "43"} << false
        << "Eastern Standard Time,EST,-5.0"
        << "UTC-4:00 EDT, summer clock: Eastern Standard Time with Daylight Saving Time";
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
    QCOMPARE(Status().contains(QStringLiteral("the atlas no longer sets the zone")), !followsDate);
  }

  void noRowOffersAConversionAndChangesNothingUntilTaken() {
    SetBirth(1905, 6, 1, 10, 5);  // Madras time, UTC+5:21:10
    picker->Pick(At("Chennai", "Asia/Kolkata", 13.08784, 80.27847));
    auto* offer = Child<QPushButton>("cmdUseZoneRow");
    QVERIFY(offer->isVisible());
    QCOMPARE(offer->text(), QStringLiteral("Use 10:13:50 IST"));
    QCOMPARE(Zone(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    QCOMPARE(Child<QComboBox>("cboMM")->currentText(), QStringLiteral("5"));
    offer->click();
    QStringList time;
    for (const char* list : {"cboHH", "cboMM", "cboSS"})
      time << Child<QComboBox>(list)->currentText();
    QCOMPARE(time, (QStringList{"10", "13", "50"}));
    QCOMPARE(Zone(), QStringLiteral("Indian Time, IST, +5.3"));
    QVERIFY(!Dst() && !offer->isVisible());
    QVERIFY(Status().contains(QStringLiteral("drops the seconds")));
    const QString status = Status();
    SetList("cboHH", 11);
    QCOMPARE(Status(), status);  // the atlas has stopped
  }

  void clockTimeSkippedOrRepeated_data() {
    QTest::addColumn<int>("day");  // 26 April 1970: skipped; 25 October 1970: repeated
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("answer");  // -1: not asked (skipped) or cancelled
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("dst");
    const QString gmt = "Greenwich Mean Time,GMT,0.0", est = "Eastern Standard Time,EST,-5.0";
    QTest::newRow("skipped: zone and box left") << 26 << 4 << -1 << gmt << false;
    QTest::newRow("repeated, first: summer") << 25 << 10 << 0 << est << true;
    QTest::newRow("repeated, second: standard") << 25 << 10 << 1 << est << false;
    QTest::newRow("repeated, unanswered") << 25 << 10 << -1 << gmt << false;
  }
  void clockTimeSkippedOrRepeated() {
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, answer);
    QFETCH(QString, zone);
    QFETCH(bool, dst);
    SetBirth(1970, month, day, month == 4 ? 2 : 1, 30);
    dialogs.answers = {answer};
    picker->Pick(At("New York", "America/New_York", 40.71427, -74.00597));
    QCOMPARE(Text("txtLatD"), QStringLiteral("40"));
    QCOMPARE(dialogs.questions.size(), month == 4 ? 0 : 1);
    if (month == 4)
      QVERIFY(Status().contains(QStringLiteral("did not exist there that day")));
    else
      QVERIFY(dialogs.questions[0].first.contains(QStringLiteral("happened twice")));
    QCOMPARE(Zone(), zone);
    QCOMPARE(Dst(), dst);
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

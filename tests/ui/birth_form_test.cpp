// The birth-data form: lists and defaults, keystroke filters, the coordinates lookup,
// menus and keyboard access, driven through the real widgets by object name.

#include "ui/form/birth_form.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUrlQuery>
#include <QtTest>

#include "core/zone_table.h"
#include "fakes.h"
#include "ui/common/web_links.h"
#include "ui/form/pick_list.h"

using reading::MessageIcon;
using ui::testing::RecordingDialogs;
using ui::testing::RecordingLinks;

Q_DECLARE_METATYPE(reading::MessageIcon)

namespace {

// Types the text key by key, as a keyboard would (also characters beyond ASCII).
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    const auto key = Qt::Key(c.toUpper().unicode());  // Key_A .. Key_Z, Key_Space
    QTest::sendKeyEvent(QTest::Press, widget, key, QString(c), Qt::NoModifier);
    QTest::sendKeyEvent(QTest::Release, widget, key, QString(c), Qt::NoModifier);
  }
}

}  // namespace

class FrmMainTest : public QObject {
  Q_OBJECT

 private:
  template <typename W>
  W* Child(const char* name) {
    W* widget = form->findChild<W*>(QLatin1String(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }

  RecordingDialogs* dialogs = nullptr;
  RecordingLinks* links = nullptr;
  ui::FrmMain* form = nullptr;

 private slots:
  void init() {
    dialogs = new RecordingDialogs;
    links = new RecordingLinks;
    form = new ui::FrmMain(*dialogs, *links);
  }
  void cleanup() {
    delete form;
    delete links;
    delete dialogs;
  }

  void freshFormShowsItsDefaults() {
    QCOMPARE(form->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(form->windowTitle(), QStringLiteral("Orvel Pataki Chakra v1.20"));
    const struct {
      const char* list;
      int count;
      const char* first;
      const char* last;
    } lists[] = {{"cboMonth", 12, "January", "December"},
                 {"cboDate", 31, "1", "31"},
                 {"cboYear", 150, "1901", "2050"},
                 {"cboHH", 24, "0", "23"},
                 {"cboMM", 60, "0", "59"},
                 {"cboSS", 60, "0", "59"}};
    for (const auto& l : lists) {
      auto* list = Child<QComboBox>(l.list);
      QVERIFY2(!list->isEditable(), l.list);
      QCOMPARE(list->count(), l.count);
      QCOMPARE(list->currentIndex(), 0);
      QCOMPARE(list->itemText(0), QLatin1String(l.first));
      QCOMPARE(list->itemText(l.count - 1), QLatin1String(l.last));
    }
    QCOMPARE(Child<QComboBox>("cboDate")->itemText(4), QStringLiteral("5"));  // no leading zero
    auto* zones = Child<QComboBox>("cmbTimeZone");
    QCOMPARE(zones->count(), core::kZoneCount);
    QCOMPARE(zones->currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    QVERIFY(!Child<QCheckBox>("chkDST")->isChecked());
    QVERIFY(Child<QRadioButton>("optLong0")->isChecked());
    QVERIFY(!Child<QRadioButton>("optLong1")->isChecked());
    QVERIFY(Child<QRadioButton>("optLat0")->isChecked());
    for (const char* box : {"txtName", "txtMCity", "txtMState", "txtMCountry", "txtLonD", "txtLonM",
                            "txtLatD", "txtLatM"})
      QVERIFY2(Child<QLineEdit>(box)->text().isEmpty(), box);
    QCOMPARE(Child<QLineEdit>("txtLonD")->maxLength(), 3);
    for (const char* box : {"txtLonM", "txtLatD", "txtLatM"})
      QCOMPARE(Child<QLineEdit>(box)->maxLength(), 2);
    QCOMPARE(Child<QPushButton>("cmdBrowser")->text(),
             QStringLiteral("Click for Latitude && Longitude"));
    QCOMPARE(Child<QPushButton>("cmdRashi")->text(),
             QStringLiteral("Get My Pataki Chakra Reading"));

    const core::FormEntries e = form->Entries();
    QCOMPARE(e.cboMonth, 0);
    QCOMPARE(e.cboYear, std::string("1901"));
    QCOMPARE(e.cmbTimeZone, core::kDefaultZoneRow);
    QVERIFY(e.optLongEast && e.optLatNorth && !e.chkDST);
  }

  void optionPairsAreExclusive() {
    for (const char* pair : {"optLong", "optLat"}) {
      auto* group = form->findChild<QButtonGroup*>(QLatin1String(pair));
      QVERIFY2(group && group->exclusive(), pair);
      QCOMPARE(group->buttons().size(), 2);
      group->button(1)->click();
      QVERIFY(!group->button(0)->isChecked());
    }
    const core::FormEntries e = form->Entries();
    QVERIFY(!e.optLongEast);
    QVERIFY(!e.optLatNorth);
  }

  void keystrokeFilters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QStringList>("messages");
    const QStringList none;
    const QStringList letters{"Please Enter only Letters"};
    const QStringList numbers{"Only Numbers Are Accepted"};
    QTest::newRow("lower case name shows upper case") << "txtName"
                                                      << "abc"
                                                      << "ABC" << none;
    QTest::newRow("name with blanks") << "txtName"
                                      << "Ab c"
                                      << "AB C" << none;
    QTest::newRow("digit in name") << "txtName"
                                   << "a5"
                                   << "A" << letters;
    QTest::newRow("hyphen in name") << "txtName"
                                    << "-"
                                    << "" << letters;
    QTest::newRow("full stop in name") << "txtName"
                                       << "."
                                       << "" << letters;
    QTest::newRow("accented letter in name")
        << "txtName" << QString::fromUtf8("é") << QString::fromUtf8("É") << none;
    QTest::newRow("Devanagari name with its vowel sign")
        << "txtName" << QString::fromUtf8("राम") << QString::fromUtf8("राम") << none;
    QTest::newRow("two refusals, two messages") << "txtName"
                                                << "1x2"
                                                << "X" << QStringList{letters[0], letters[0]};
    QTest::newRow("digits in longitude degrees") << "txtLonD"
                                                 << "179"
                                                 << "179" << none;
    QTest::newRow("fourth digit of longitude degrees") << "txtLonD"
                                                       << "1234"
                                                       << "123" << none;
    QTest::newRow("third digit of longitude minutes") << "txtLonM"
                                                      << "591"
                                                      << "59" << none;
    QTest::newRow("third digit of latitude degrees") << "txtLatD"
                                                     << "891"
                                                     << "89" << none;
    QTest::newRow("third digit of latitude minutes") << "txtLatM"
                                                     << "123"
                                                     << "12" << none;
    QTest::newRow("letter in latitude minutes") << "txtLatM"
                                                << "1a"
                                                << "1" << numbers;
    QTest::newRow("minus in longitude degrees") << "txtLonD"
                                                << "-5"
                                                << "5" << numbers;
    QTest::newRow("blank in latitude degrees") << "txtLatD"
                                               << " "
                                               << "" << numbers;
  }
  void keystrokeFilters() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QStringList, messages);
    auto* edit = form->findChild<QLineEdit*>(box);
    Type(edit, typed);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(dialogs->Texts(), messages);
    for (const auto& m : dialogs->messages) {
      QCOMPARE(m.icon, box == "txtName" ? MessageIcon::Information : MessageIcon::Error);
      QCOMPARE(m.parent, edit);
    }
  }

  // Alt (Option on macOS) and Ctrl+Alt (AltGr on Windows) type characters, and so does Meta
  // in a line edit; Ctrl without Alt makes shortcuts, which pass untouched.
  void keysHeldWithModifiers_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<Qt::KeyboardModifiers>("held");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("refused");
    const Qt::KeyboardModifiers altGr = Qt::ControlModifier | Qt::AltModifier;
    QTest::newRow("Alt+@ in the name") << "txtName" << int(Qt::Key_At) << "@"
                                       << Qt::KeyboardModifiers(Qt::AltModifier) << "" << true;
    QTest::newRow("Ctrl+Alt+@ in the name")
        << "txtName" << int(Qt::Key_At) << "@" << altGr << "" << true;
    QTest::newRow("AltGr+e typing an accent in the name")
        << "txtName" << int(Qt::Key_E) << QString::fromUtf8("é") << altGr << QString::fromUtf8("É")
        << false;
    QTest::newRow("Option+a typing a letter in the name")
        << "txtName" << int(Qt::Key_A) << "a" << Qt::KeyboardModifiers(Qt::AltModifier) << "A"
        << false;
    QTest::newRow("Ctrl+Alt+q typing @ in the degrees")
        << "txtLonD" << int(Qt::Key_Q) << "@" << altGr << "" << true;
    QTest::newRow("Alt+5 typing a digit in the degrees")
        << "txtLonD" << int(Qt::Key_5) << "5" << Qt::KeyboardModifiers(Qt::AltModifier) << "5"
        << false;
    QTest::newRow("Ctrl+C is a shortcut in the name")
        << "txtName" << int(Qt::Key_C) << "c" << Qt::KeyboardModifiers(Qt::ControlModifier) << ""
        << false;
    QTest::newRow("Meta+@ typing @ in the name")
        << "txtName" << int(Qt::Key_At) << "@" << Qt::KeyboardModifiers(Qt::MetaModifier) << ""
        << true;
    QTest::newRow("Ctrl+Shift+@ is a shortcut in the name")
        << "txtName" << int(Qt::Key_At) << "@"
        << Qt::KeyboardModifiers(Qt::ControlModifier | Qt::ShiftModifier) << "" << false;
    QTest::newRow("Ctrl+V is a shortcut in the degrees")
        << "txtLatM" << int(Qt::Key_V) << "v" << Qt::KeyboardModifiers(Qt::ControlModifier) << ""
        << false;
  }
  void keysHeldWithModifiers() {
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(QString, typed);
    QFETCH(Qt::KeyboardModifiers, held);
    QFETCH(QString, shown);
    QFETCH(bool, refused);
    QGuiApplication::clipboard()->clear();
    auto* edit = form->findChild<QLineEdit*>(box);
    QTest::sendKeyEvent(QTest::Press, edit, Qt::Key(key), typed, held);
    QTest::sendKeyEvent(QTest::Release, edit, Qt::Key(key), typed, held);
    QCOMPARE(edit->text(), shown);
    QCOMPARE(dialogs->messages.size(), refused ? 1 : 0);
  }

  // Digits typed into a number list pick the number typed, whole, closed or open; a pause
  // longer than the list's typing pause starts a new number.
  void numbersTypedIntoTheListsArePickedWhole_data() {
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("showing");
    QTest::addColumn<QString>("typed");  // a space: a pause
    QTest::addColumn<bool>("open");
    QTest::addColumn<int>("picked");
    QTest::newRow("2 in Hour with 12 showing") << "cboHH" << 12 << "2" << false << 2;
    QTest::newRow("1 in Day with 1 showing") << "cboDate" << 1 << "1" << false << 1;
    QTest::newRow("2, 3 in Hour") << "cboHH" << 0 << "23" << false << 23;
    QTest::newRow("2, 5 in Hour: no such hour") << "cboHH" << 0 << "25" << false << 5;
    QTest::newRow("a four-digit year") << "cboYear" << 1901 << "1999" << false << 1999;
    QTest::newRow("1, pause, 2 in Minute") << "cboMM" << 0 << "1 2" << false << 2;
    QTest::newRow("4, 5 in the open Minute list") << "cboMM" << 0 << "45" << true << 45;
  }
  void numbersTypedIntoTheListsArePickedWhole() {
    QFETCH(QString, list);
    QFETCH(int, showing);
    QFETCH(QString, typed);
    QFETCH(bool, open);
    QFETCH(int, picked);
    auto* box = Child<QComboBox>(qPrintable(list));
    box->setCurrentText(QString::number(showing));
    if (open) box->showPopup();
    QWidget* target = open ? static_cast<QWidget*>(box->view()) : box;
    for (const QChar c : typed) {
      if (c == ' ')
        QTest::qWait(int(ui::PickList::kTypingPause.count()) + 100);
      else
        QTest::keyClick(target, Qt::Key(c.unicode()));
    }
    if (open) QTest::keyClick(target, Qt::Key_Return);
    QCOMPARE(box->currentText(), QString::number(picked));
  }

  void enterPassesInTheNameBoxOnly() {
    QTest::keyClick(Child<QLineEdit>("txtName"), Qt::Key_Return);
    QVERIFY(dialogs->messages.isEmpty());
    for (const char* box : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
      dialogs->messages.clear();
      QTest::keyClick(Child<QLineEdit>(box), Qt::Key_Return);
      QCOMPARE(dialogs->Texts(), QStringList{"Only Numbers Are Accepted"});
      QTest::keyClick(Child<QLineEdit>(box), Qt::Key_Enter);
      QCOMPARE(dialogs->messages.size(), 2);
    }
  }

  void editingAndNavigationKeysPass() {
    auto* degrees = Child<QLineEdit>("txtLonD");
    QTest::keyClicks(degrees, "123");
    QTest::keyClick(degrees, Qt::Key_Backspace);
    QCOMPARE(degrees->text(), QStringLiteral("12"));
    QTest::keyClick(degrees, Qt::Key_Home);
    QTest::keyClick(degrees, Qt::Key_Delete);
    QCOMPARE(degrees->text(), QStringLiteral("2"));
    QTest::keyClick(degrees, Qt::Key_End);
    QTest::keyClick(degrees, Qt::Key_Left);
    QTest::keyClick(degrees, Qt::Key_A, Qt::ControlModifier);  // select all
    QCOMPARE(degrees->selectedText(), QStringLiteral("2"));
    QTest::keyClick(degrees, Qt::Key_Escape);
    auto* name = Child<QLineEdit>("txtName");
    QTest::keyClicks(name, "ab");
    QTest::keyClick(name, Qt::Key_Backspace);
    QCOMPARE(name->text(), QStringLiteral("A"));
    QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->Texts().join('|')));
  }

  void pastedTextIsNotFiltered() {
    auto* degrees = Child<QLineEdit>("txtLonD");
    QGuiApplication::clipboard()->setText(QStringLiteral("12a"));
    degrees->paste();
    QCOMPARE(degrees->text(), QStringLiteral("12a"));
    QVERIFY(dialogs->messages.isEmpty());
  }

  void refusalShowsItsMessageAndMovesTheFocus() {
    form->ShowRefusal({"Please Enter Name", MessageIcon::Error, "txtName"});
    QCOMPARE(dialogs->Texts(), QStringList{"Please Enter Name"});
    QCOMPARE(dialogs->messages[0].icon, MessageIcon::Error);
    QCOMPARE(form->focusWidget(), Child<QLineEdit>("txtName"));
    form->ShowRefusal({"Please Enter Correct Date Or Month!", MessageIcon::Information, {}});
    QCOMPARE(dialogs->messages[1].icon, MessageIcon::Information);
    QCOMPARE(form->focusWidget(), Child<QLineEdit>("txtName"));  // unchanged
  }

  void coordinatesLookupWantsAllThreeBoxes_data() {
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("all empty") << ""
                               << ""
                               << ""
                               << "Please Enter City"
                               << "txtMCity";
    QTest::newRow("state missing") << "Pune"
                                   << ""
                                   << "India"
                                   << "Please Enter State"
                                   << "txtMState";
    QTest::newRow("country missing") << "Pune"
                                     << "MH"
                                     << ""
                                     << "Please Enter Country"
                                     << "txtMCountry";
  }
  void coordinatesLookupWantsAllThreeBoxes() {
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Child<QLineEdit>("txtMCity")->setText(city);
    Child<QLineEdit>("txtMState")->setText(state);
    Child<QLineEdit>("txtMCountry")->setText(country);
    Child<QLineEdit>("txtName")->setFocus();
    Child<QPushButton>("cmdBrowser")->click();
    QCOMPARE(dialogs->Texts(), QStringList{message});
    QCOMPARE(dialogs->messages[0].icon, MessageIcon::Information);
    QCOMPARE(form->focusWidget()->objectName(), focus);
    QVERIFY(links->opened.isEmpty());
    QCOMPARE(Child<QLineEdit>("txtMCity")->text(), city);
  }

  void coordinatesLookupSendsTheEncodedQuery() {
    Child<QLineEdit>("txtMCity")->setText(QStringLiteral("New York & Co"));
    Child<QLineEdit>("txtMState")->setText(QStringLiteral(" "));  // blanks count as filled
    Child<QLineEdit>("txtMCountry")->setText(QStringLiteral("U+S;A 100%#x"));
    Child<QPushButton>("cmdBrowser")->click();
    QVERIFY(dialogs->messages.isEmpty());
    QCOMPARE(links->opened.size(), 1);
    const QUrl address = links->opened[0];
    QCOMPARE(address.scheme(), QStringLiteral("https"));
    QCOMPARE(address.host(), QUrl(ui::kSearchSite).host());
    const QString encoded = QString::fromLatin1(address.toEncoded());
    QVERIFY2(encoded.contains("New%20York%20%26%20Co"), qPrintable(encoded));
    QVERIFY2(!encoded.contains('#') && !encoded.contains(';') && !encoded.contains('+'),
             qPrintable(encoded));
    const QUrlQuery query(address);
    QCOMPARE(query.queryItems().size(), 1);
    QCOMPARE(query.queryItemValue("q", QUrl::FullyDecoded),
             QStringLiteral("New York & Co   U+S;A 100%#x Latitude Longitude"));
  }

  void menusCarryTheirNamesInOrder() {
    auto* file = Child<QMenu>("mnuFile");
    auto* help = Child<QMenu>("mnuHelp");
    QCOMPARE(file->title(), QStringLiteral("&File"));
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    QStringList names, texts;
    for (QAction* a : file->actions() + help->actions()) {
      names << a->objectName();
      texts << a->text();
    }
    QCOMPARE(names, (QStringList{"mnuNext", "mnuExit", "mnuOnline", "mnuVisit", "mnuHelp1",
                                 "mnuUpdate", "mnuHelp2", "mnuAbout"}));
    QCOMPARE(texts, (QStringList{"Get My Pataki Chakra Reading", "E&xit", "&Online Help",
                                 "&Visit Us Online", "", "Check for Software &Update", "",
                                 "&About Software"}));
  }

  void readingAndExitAreRequestedByButtonMenuAndCloseBox() {
    QSignalSpy reading(form, &ui::FrmMain::readingRequested);
    QSignalSpy exit(form, &ui::FrmMain::exitRequested);
    Child<QPushButton>("cmdRashi")->click();
    Child<QAction>("mnuNext")->trigger();
    QCOMPARE(reading.size(), 2);
    Child<QAction>("mnuExit")->trigger();
    form->show();
    form->close();
    QCOMPARE(exit.size(), 2);
  }

  void linksOpenTheirPages() {
    Child<QAction>("mnuOnline")->trigger();
    Child<QAction>("mnuUpdate")->trigger();
    Child<QAction>("mnuVisit")->trigger();
    Child<QAction>("mnuVisit")->trigger();  // asked twice, opened twice
    QTest::mouseClick(Child<QLabel>("Label61"), Qt::LeftButton);
    QCOMPARE(links->opened, (QList<QUrl>{ui::HelpPage(), ui::DownloadPage(), ui::HomePage(),
                                         ui::HomePage(), ui::HomePage()}));
  }

  void keyboardReachesEveryControlInVisualOrder() {
    const QStringList order = {
        "txtName",  "cboMonth",  "cboDate",     "cboYear",    "cboHH",       "cboMM",    "cboSS",
        "txtMCity", "txtMState", "txtMCountry", "cmdBrowser", "cmbTimeZone", "chkDST",   "txtLonD",
        "txtLonM",  "optLong0",  "txtLatD",     "txtLatM",    "optLat0",     "cmdRashi", "Label61"};
    form->show();
    QVERIFY(QTest::qWaitForWindowActive(form));
    Child<QLineEdit>("txtName")->setFocus();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < order.size(); ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, order);  // an option pair is one stop; arrows move within it
  }

  void accessibleNames() {
    const QList<QPair<const char*, const char*>> names = {{"txtName", "Name"},
                                                          {"cboMonth", "Month of birth"},
                                                          {"cboDate", "Day of birth"},
                                                          {"cboYear", "Year of birth"},
                                                          {"cboHH", "Hour of birth"},
                                                          {"cboMM", "Minute of birth"},
                                                          {"cboSS", "Second of birth"},
                                                          {"txtMCity", "City"},
                                                          {"txtMState", "State"},
                                                          {"txtMCountry", "Country"},
                                                          {"cmbTimeZone", "Time zone"},
                                                          {"txtLonD", "Longitude degrees"},
                                                          {"txtLonM", "Longitude minutes"},
                                                          {"txtLatD", "Latitude degrees"},
                                                          {"txtLatM", "Latitude minutes"}};
    for (const auto& [widget, name] : names)
      QCOMPARE(Child<QWidget>(widget)->accessibleName(), QLatin1String(name));
  }
};

QTEST_MAIN(FrmMainTest)
#include "birth_form_test.moc"

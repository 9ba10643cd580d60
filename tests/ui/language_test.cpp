// Which language the program speaks (the desktop's, the menu's, the kept one, --language), and
// open windows following a change of language at once. A stand-in translator marks every text
// it translates, so the test needs no finished translation.

#include "ui/common/language.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QTabWidget>
#include <QTranslator>
#include <QtTest>

#include "core/words.h"
#include "fakes.h"
#include "ui/app/command_line.h"
#include "ui/app/program.h"
#include "ui/common/library_texts.h"
#include "ui/common/settings_file.h"
#include "ui/form/birth_form.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"

namespace {

using ui::Language;
using ui::testing::RecordingDialogs;
using ui::testing::RecordingLinks;

// Translates every text of the listed contexts to "«text»".
class MarkingTranslator : public QTranslator {
 public:
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* = nullptr,
                    int = -1) const override {
    for (const char* marked :
         {"BirthForm", "Months", "LanguageMenu", "ResultWindow", "Signs", "Sheet", "ResultFrame"})
      if (qstrcmp(context, marked) == 0)
        return QStringLiteral("«%1»").arg(QString::fromUtf8(source));
    return {};
  }
};

// Translates the texts it is given, each in its context.
class TableTranslator : public QTranslator {
 public:
  explicit TableTranslator(QMap<QPair<QString, QString>, QString> table)
      : table_(std::move(table)) {}
  bool isEmpty() const override { return false; }
  QString translate(const char* context, const char* source, const char* = nullptr,
                    int = -1) const override {
    return table_.value({QString::fromUtf8(context), QString::fromUtf8(source)});
  }

 private:
  QMap<QPair<QString, QString>, QString> table_;
};

QProcessEnvironment Environment(const QList<std::pair<QString, QString>>& variables) {
  QProcessEnvironment environment;
  for (const auto& [name, value] : variables) environment.insert(name, value);
  return environment;
}

void DeliverLanguageChange() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QCoreApplication::processEvents();
}

}  // namespace

Q_DECLARE_METATYPE(QProcessEnvironment)
Q_DECLARE_METATYPE(Language)

class LanguageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QFile::remove(ui::PreferenceFilePath());
    ui::UseLanguage(Language::English);
  }
  void cleanup() { ui::UseLanguage(Language::English); }

  void desktopLanguage_data() {
    QTest::addColumn<QProcessEnvironment>("environment");
    QTest::addColumn<Language>("expected");
    using E = QList<std::pair<QString, QString>>;
    QTest::newRow("nothing set") << Environment({}) << Language::English;
    QTest::newRow("LANG hi_IN") << Environment(E{{"LANG", "hi_IN.UTF-8"}}) << Language::Hindi;
    QTest::newRow("LANG ta_IN") << Environment(E{{"LANG", "ta_IN"}}) << Language::Tamil;
    QTest::newRow("LANG of another language")
        << Environment(E{{"LANG", "de_DE.UTF-8"}}) << Language::English;
    QTest::newRow("LC_MESSAGES over LANG")
        << Environment(E{{"LANG", "ta_IN.UTF-8"}, {"LC_MESSAGES", "hi_IN.UTF-8"}})
        << Language::Hindi;
    QTest::newRow("LC_ALL over LC_MESSAGES")
        << Environment(E{{"LC_ALL", "ta_IN.UTF-8"}, {"LC_MESSAGES", "hi_IN.UTF-8"}})
        << Language::Tamil;
    QTest::newRow("LANGUAGE's first known entry")
        << Environment(E{{"LANG", "en_IN.UTF-8"}, {"LANGUAGE", "fr:ta:hi"}}) << Language::Tamil;
    QTest::newRow("LANGUAGE ignored under the C locale")
        << Environment(E{{"LANG", "C.UTF-8"}, {"LANGUAGE", "hi"}}) << Language::English;
    QTest::newRow("LANGUAGE with nothing known falls to the locale")
        << Environment(E{{"LANG", "hi_IN"}, {"LANGUAGE", "fr:de"}}) << Language::Hindi;
    QTest::newRow("modifier after the language")
        << Environment(E{{"LC_ALL", "ta@tamil"}}) << Language::Tamil;
  }
  void desktopLanguage() {
    QFETCH(QProcessEnvironment, environment);
    QFETCH(Language, expected);
    QCOMPARE(ui::DesktopLanguage(
                 [&](const char* name) { return environment.value(QString::fromLatin1(name)); }),
             expected);
  }

  void codes_data() {
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("language");  // -1: refused
    QTest::newRow("en") << "en" << int(Language::English);
    QTest::newRow("hi") << "hi" << int(Language::Hindi);
    QTest::newRow("ta") << "ta" << int(Language::Tamil);
    QTest::newRow("upper case") << "HI" << -1;
    QTest::newRow("a locale") << "hi_IN" << -1;
    QTest::newRow("another language") << "tlh" << -1;
    QTest::newRow("empty") << "" << -1;
  }
  void codes() {
    QFETCH(QString, code);
    QFETCH(int, language);
    const auto parsed = ui::LanguageFromCode(code);
    QCOMPARE(parsed ? int(*parsed) : -1, language);
    if (parsed) QCOMPARE(ui::LanguageCode(*parsed), code);
  }

  // --language is read as given; main refuses what LanguageFromCode does not know.
  void commandLineTakesTheLanguage() {
    const ui::CommandLine line = ui::ParseCommandLine(
        {"orvel-pataki-chakra", "--language", "ta", "--png", "out.png", "birth.opc.json"});
    QVERIFY(line.error.isEmpty());
    QCOMPARE(line.language, QStringLiteral("ta"));
    QVERIFY(ui::ParseCommandLine({"orvel-pataki-chakra"}).language.isEmpty());
    QVERIFY(!ui::ParseCommandLine({"orvel-pataki-chakra", "--language"}).error.isEmpty());
  }

  void keptChoiceIsWrittenOnlyOnChange() {
    QVERIFY(!ui::LoadLanguagePreference());
    ui::SaveLanguagePreference(Language::Tamil);
    QCOMPARE(ui::LoadLanguagePreference(), std::optional(Language::Tamil));
    const QDateTime written = QFileInfo(ui::PreferenceFilePath()).lastModified();
    QTest::qWait(20);
    ui::SaveLanguagePreference(Language::Tamil);
    QCOMPARE(QFileInfo(ui::PreferenceFilePath()).lastModified(), written);
    ui::SaveLanguagePreference(Language::English);
    QCOMPARE(ui::LoadLanguagePreference(), std::optional(Language::English));
  }

  void unknownKeptValueIsIgnored() {
    {
      QSettings settings(ui::PreferenceFilePath(), QSettings::IniFormat);
      settings.setValue("language", "klingon");
    }
    QVERIFY(!ui::LoadLanguagePreference());
  }

  // The calculation kept beside the language survives the language's writing, and back.
  void languageAndCalculationShareTheFile() {
    {
      QSettings settings(ui::PreferenceFilePath(), QSettings::IniFormat);
      settings.setValue("calculation/ephemeris", "swiss");
    }
    ui::SaveLanguagePreference(Language::Hindi);
    QSettings settings(ui::PreferenceFilePath(), QSettings::IniFormat);
    QCOMPARE(settings.value("calculation/ephemeris").toString(), QStringLiteral("swiss"));
    QCOMPARE(settings.value("language").toString(), QStringLiteral("hi"));
  }

  // The menu's pick is kept and applied; the real translation loads from the program.
  void menuPickAppliesAndKeeps() {
    RecordingDialogs dialogs;
    RecordingLinks links;
    ui::FrmMain form(dialogs, links);
    auto* menu = form.findChild<QMenu*>("mnuLanguage");
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 3);
    QVERIFY(form.findChild<QAction*>("mnuEnglish")->isChecked());
    QCOMPARE(form.findChild<QAction*>("mnuHindi")->text(), QStringLiteral("हिन्दी"));
    QCOMPARE(form.findChild<QAction*>("mnuTamil")->text(), QStringLiteral("தமிழ்"));

    form.findChild<QAction*>("mnuHindi")->trigger();
    DeliverLanguageChange();
    QCOMPARE(ui::CurrentLanguage(), Language::Hindi);
    QCOMPARE(ui::LoadLanguagePreference(), std::optional(Language::Hindi));
    QVERIFY(form.findChild<QAction*>("mnuHindi")->isChecked());

    form.findChild<QAction*>("mnuEnglish")->trigger();
    DeliverLanguageChange();
    QCOMPARE(ui::CurrentLanguage(), Language::English);
    QVERIFY(form.findChild<QAction*>("mnuEnglish")->isChecked());
  }

  // An open form and result window change their texts at once, keep what was entered and
  // chosen, and come back to English exactly.
  void openWindowsFollowTheLanguage() {
    RecordingDialogs dialogs;
    RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();
    ui::FrmMain& form = *program.Form();
    auto* month = form.findChild<QComboBox*>("cboMonth");
    month->setCurrentIndex(7);
    const auto texts = [&form] {
      return QStringList{form.findChild<QPushButton*>("cmdRashi")->text(),
                         form.findChild<QGroupBox*>("fraPersonal")->title(),
                         form.findChild<QMenu*>("mnuFile")->title(),
                         form.findChild<QComboBox*>("cboMonth")->currentText(),
                         form.findChild<QLineEdit*>("txtName")->accessibleName()};
    };
    const QStringList english = texts();
    QCOMPARE(english[0], QStringLiteral("Get My Pataki Chakra Reading"));

    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    DeliverLanguageChange();
    QCOMPARE(texts(), (QStringList{"«Get My Pataki Chakra Reading»", "«Personal Details»",
                                   "«&File»", "«August»", "«Name»"}));
    QCOMPARE(month->currentIndex(), 7);
    QCOMPARE(form.Entries().cboMonth, 7);

    QCoreApplication::removeTranslator(&marking);
    DeliverLanguageChange();
    QCOMPARE(texts(), english);
  }

  // A clock sentence of places/ is translated template by template, each language putting
  // the parts where it writes them; fixed parts (a place, digits, an offset) stay as written,
  // even one that looks like a placeholder, and English is the library's own sentence. The
  // clock used, a list, has its clock's name translated in place.
  void clockSentencesByWholeTemplates() {
    using core::Fixed;
    using core::Phrase;
    const core::Words words = Phrase(
        "%1, %2 %3: %4; tz database %5, %6",
        {Fixed("Delhi %1"), Phrase("%1 %2 %3", {Fixed("15"), Phrase("December"), Fixed("1943")}),
         Fixed("12:00"),
         Phrase("clocks were %1 (%2)", {Fixed("UTC+6:30"), Phrase("war time, kept all year")}),
         Fixed("2026f"), Fixed("Asia/Kolkata")});
    const QString english = QStringLiteral(
        "Delhi %1, 15 December 1943 12:00: clocks were UTC+6:30 (war time, kept all year); tz "
        "database 2026f, Asia/Kolkata");
    QCOMPARE(QString::fromStdString(core::English(words)), english);
    QCOMPARE(ui::WordsText(words), english);
    const QString summary = QStringLiteral("UTC+6:30, war time, Asia/Kolkata");
    QCOMPARE(ui::ClockText(summary), summary);
    TableTranslator table(
        {{{"ClockStatus", "%1, %2 %3: %4; tz database %5, %6"}, "%6 (tz %5) — %1, %2 %3: %4"},
         {{"ClockStatus", "clocks were %1 (%2)"}, "घड़ियाँ %1 पर थीं (%2)"},
         {{"ClockStatus", "war time, kept all year"}, "युद्धकालीन समय, पूरे वर्ष लागू"},
         {{"ClockStatus", "war time"}, "युद्धकालीन समय"},
         {{"Months", "December"}, "दिसंबर"}});
    QCoreApplication::installTranslator(&table);
    QCOMPARE(ui::WordsText(words),
             QStringLiteral("Asia/Kolkata (tz 2026f) — Delhi %1, 15 दिसंबर 1943 12:00: घड़ियाँ "
                            "UTC+6:30 पर थीं (युद्धकालीन समय, पूरे वर्ष लागू)"));
    QCOMPARE(ui::ClockText(summary), QStringLiteral("UTC+6:30, युद्धकालीन समय, Asia/Kolkata"));
    QCoreApplication::removeTranslator(&table);
  }

  void resultWindowShowsItsReadingAgain() {
    RecordingDialogs dialogs;
    RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();
    ui::FrmMain& form = *program.Form();
    form.findChild<QLineEdit*>("txtName")->setText("MOON");
    form.findChild<QLineEdit*>("txtLonD")->setText("77");
    form.findChild<QLineEdit*>("txtLonM")->setText("13");
    form.findChild<QLineEdit*>("txtLatD")->setText("28");
    form.findChild<QLineEdit*>("txtLatM")->setText("38");
    form.findChild<QComboBox*>("cmbTimeZone")->setCurrentIndex(34);
    program.RunReading();
    QVERIFY(program.Frame());
    ui::FrmDisplay* display = program.Frame()->Display();
    const auto label = [display](const char* name) {
      return display->findChild<QLabel*>(name)->text();
    };
    const QString weekday = label("lblVaar");
    const QString aries = label("Label1(0)");

    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    DeliverLanguageChange();
    QCOMPARE(label("lblVaar"), QStringLiteral("«%1»").arg(weekday));
    QCOMPARE(label("Label1(0)"), QStringLiteral("«%1»").arg(aries));
    QCOMPARE(label("lblName"), QStringLiteral("MOON"));  // typed: never translated
    QCOMPARE(display->findChild<QTabWidget*>("SSTab1")->tabText(0),
             QStringLiteral("«Pataki Details»"));

    QCoreApplication::removeTranslator(&marking);
    DeliverLanguageChange();
    QCOMPARE(label("lblVaar"), weekday);
    QCOMPARE(label("Label1(0)"), aries);
  }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"

// Every window in Hindi and in Tamil, walked widget by widget: no visible text is left in
// English. Allowed are the program's name, the atlas's source by its name, web addresses, zone
// abbreviations and ids, what the person typed and the Language menu's "English". No label of
// one line is cut off by its width. Runs on the built-in translations.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "fakes.h"
#include "ui/app/program.h"
#include "ui/common/language.h"
#include "ui/common/reading_text.h"
#include "ui/common/services.h"
#include "ui/form/birth_form.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"
#include "window_walk.h"

namespace {

using ui::Language;
using ui::testing::ClippedLabels;
using ui::testing::TextsOnEveryTab;
using ui::testing::VisibleTexts;

const QString kTypedName = QStringLiteral("Ravi Kumar");

}  // namespace

Q_DECLARE_METATYPE(Language)

class TranslatedWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ui::UseLanguage(Language::English); }

  void noEnglishLeft_data() {
    QTest::addColumn<Language>("language");
    QTest::newRow("Hindi") << Language::Hindi;
    QTest::newRow("Tamil") << Language::Tamil;
  }

  // Every sentence of the reading, for both targets, every count and every planet with an
  // effect, fills its template whole: no English, no placeholder left, and one malefic
  // reads otherwise than two (the plural forms).
  void everySentenceOfTheReading() {
    for (const Language language : {Language::Hindi, Language::Tamil}) {
      QVERIFY(ui::UseLanguage(language));
      for (int s = 0; s <= int(core::ReadingSentence::PlanetEffect); ++s)
        for (const core::ReadingTarget target :
             {core::ReadingTarget::Lagna, core::ReadingTarget::Rashi})
          for (int n = 1; n <= 3; ++n)
            for (int body = 0; body < 9; ++body) {
              const auto sentence = static_cast<core::ReadingSentence>(s);
              if (sentence == core::ReadingSentence::PlanetEffect && body == 1) continue;
              const QString text = ui::ReadingSentenceText({sentence, target, body, n, 0});
              QVERIFY2(!text.isEmpty() && !text.contains(QRegularExpression("[A-Za-z%]")),
                       qPrintable(QStringLiteral("%1 %2: \"%3\"").arg(s).arg(n).arg(text)));
            }
      const auto count = [](int n) {
        return ui::ReadingSentenceText(
                   {core::ReadingSentence::MaleficCount, core::ReadingTarget::Lagna, -1, n, 0})
            .remove(QString::number(n));
      };
      QVERIFY2(count(1) != count(2), qPrintable(count(1)));
      QCOMPARE(count(2), count(3));
    }
  }

  void noEnglishLeft() {
    QFETCH(Language, language);
    QVERIFY(ui::UseLanguage(language));
    ui::MessageBoxDialogs dialogs;
    ui::testing::RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();
    ui::FrmMain& form = *program.Form();
    QStringList clipped;
    QStringList found = TextsOnEveryTab(&form, {kTypedName}, &clipped);

    // A message box: the name left out.
    QStringList inMessage;
    bool messageSeen = false;
    QTimer::singleShot(0, this, [&inMessage, &messageSeen] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      messageSeen = true;
      inMessage = VisibleTexts(box);
      box->close();
    });
    program.RunReading();
    QVERIFY(messageSeen);
    QVERIFY(!program.Frame());
    found += inMessage;

    form.findChild<QLineEdit*>("txtName")->setText(kTypedName);
    form.findChild<QLineEdit*>("txtLonD")->setText("77");
    form.findChild<QLineEdit*>("txtLonM")->setText("13");
    form.findChild<QLineEdit*>("txtLatD")->setText("28");
    form.findChild<QLineEdit*>("txtLatM")->setText("38");
    form.findChild<QComboBox*>("cmbTimeZone")->setCurrentIndex(34);
    program.RunReading();
    QVERIFY(program.Frame());
    ui::FrmDisplay* display = program.Frame()->Display();
    QVERIFY(!display->findChild<QTextEdit*>("RTB")->toPlainText().isEmpty());
    found += TextsOnEveryTab(program.Frame(), {kTypedName}, &clipped);
    // On a small screen the result window is drawn scaled, in a scene of its own rather than
    // among the frame's children: walked by itself.
    found += TextsOnEveryTab(display, {kTypedName}, &clipped);

    QStringList inAbout;
    bool aboutSeen = false;
    QTimer::singleShot(0, this, [&inAbout, &aboutSeen] {
      QWidget* box = QApplication::activeModalWidget();
      QVERIFY(box);
      aboutSeen = box->objectName() == QLatin1String("frmAbout");
      inAbout = VisibleTexts(box);
      box->close();
    });
    form.findChild<QAction*>("mnuAbout")->trigger();
    QVERIFY(aboutSeen);
    found += inAbout;

    QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
  }
};

QTEST_MAIN(TranslatedWindowsTest)
#include "translated_windows_test.moc"

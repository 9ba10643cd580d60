// Every window in Hindi and in Tamil, walked widget by widget: no visible text is left in
// English. Allowed are the program's name, the atlas's source by its name, web addresses, zone
// abbreviations and ids, what the person typed and the Language menu's "English". No label of
// one line is cut off by its width. Runs on the built-in translations.

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGlyphRun>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "chakra/vedha_reading.h"
#include "fakes.h"
#include "reading/reading.h"
#include "ui/app/program.h"
#include "ui/common/language.h"
#include "ui/common/look.h"
#include "ui/common/reading_text.h"
#include "ui/common/services.h"
#include "ui/common/web_links.h"
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

void DeliverLanguageChange() {
  QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
  QTest::qWait(50);  // and the layouts and refits it asks for
}

// Every widget shown in `window`, in the order made: "class object-name geometry font size".
QStringList Shapes(QWidget* window) {
  QStringList shapes;
  for (const QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    const QRect g = w->geometry();
    shapes << QStringLiteral("%1 %2 %3,%4 %5x%6 %7 %8")
                  .arg(QLatin1String(w->metaObject()->className()), w->objectName())
                  .arg(g.x())
                  .arg(g.y())
                  .arg(g.width())
                  .arg(g.height())
                  .arg(w->font().family())
                  .arg(w->font().pointSizeF());
  }
  return shapes;
}

// Where a plain label draws its one line: the letters' ink, from the line laid out as QLabel
// lays it out (the line box of every typeface the text takes its letters from), and the
// line's baseline, in the label's coordinates.
struct Drawn {
  QRectF ink;
  qreal baseline = 0;
};
Drawn DrawnLine(const QLabel* label) {
  QTextLayout layout(label->text(), label->font());
  layout.beginLayout();
  QTextLine line = layout.createLine();
  line.setLineWidth(1e6);
  layout.endLayout();
  const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                    -label->margin(), -label->margin());
  const Qt::Alignment a = label->alignment();
  const qreal top = a & Qt::AlignBottom    ? room.bottom() + 1 - line.height()
                    : a & Qt::AlignVCenter ? room.top() + (room.height() - line.height()) / 2
                                           : room.top();
  const qreal left = room.left() + std::max(0, label->indent());
  Drawn drawn{{}, top + line.ascent()};
  for (const QGlyphRun& run : layout.glyphRuns()) {
    const QList<quint32> glyphs = run.glyphIndexes();
    const QList<QPointF> at = run.positions();
    for (qsizetype i = 0; i < glyphs.size(); ++i)
      drawn.ink |= run.rawFont().pathForGlyph(glyphs[i]).boundingRect().translated(
          at[i] + QPointF(left, top));
  }
  return drawn;
}

}  // namespace

Q_DECLARE_METATYPE(Language)

class TranslatedWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void cleanup() { ui::UseLanguage(Language::English); }

  void noEnglishLeft_data() {
    QTest::addColumn<Language>("language");
    for (const Language language : ui::TranslatedLanguages())
      QTest::newRow(qPrintable(ui::LanguageCode(language))) << language;
  }

  // Amid Devanagari or Tamil the forum's address is drawn in the Latin typeface, started in the
  // language and switched to it: the script's typeface draws "/" and ":" wide.
  void forumAddressInTheLatinTypeface_data() {
    QTest::addColumn<Language>("language");
    QTest::addColumn<bool>("switched");
    QTest::newRow("Hindi") << Language::Hindi << false;
    QTest::newRow("Tamil") << Language::Tamil << false;
    QTest::newRow("Hindi, switched to") << Language::Hindi << true;
  }
  void forumAddressInTheLatinTypeface() {
    QFETCH(Language, language);
    QFETCH(bool, switched);
    ui::testing::RecordingDialogs dialogs;
    ui::testing::RecordingLinks links;
    ui::UseLanguage(switched ? Language::English : language);
    ui::FrmMain form(dialogs, links);
    if (switched) {
      ui::UseLanguage(language);
      DeliverLanguageChange();
    }
    auto* label = form.findChild<QLabel*>("Label61");
    QTextDocument drawn;
    drawn.setDefaultFont(label->font());
    drawn.setHtml(label->text());
    const qsizetype at = drawn.toPlainText().indexOf(ui::ForumAddress());
    QVERIFY2(at > 0, qPrintable(drawn.toPlainText()));
    const QString latin = ui::LatinFont(label->font()).family();
    QVERIFY(latin != label->font().family());
    for (const qsizetype i : {at, at + ui::ForumAddress().indexOf(QLatin1Char('/'))}) {
      QTextCursor cursor(&drawn);
      cursor.setPosition(static_cast<int>(i) + 1);
      QCOMPARE(cursor.charFormat().fontFamilies().toStringList().value(0), latin);
    }
  }

  // Every sentence of the reading, for both targets, every count and every planet with an
  // effect, fills its template whole: no English, no placeholder left, and one malefic
  // reads otherwise than two (the plural forms).
  void everySentenceOfTheReading() {
    for (const Language language : ui::TranslatedLanguages()) {
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

  // A pierced chart read in Hindi and Tamil names what each piercing planet signifies, whichever
  // placeholders the language's template keeps (Tamil's keeps only the matters).
  void piercedChartNamesWhatEachPlanetSignifies() {
    // Jaipur, 20 February 2038 01:12: the Sun, Mercury and Mars pierce.
    core::FormEntries entries{.txtName = "VEDHA BOTH",
                              .cboMonth = 1,
                              .cboDate = "20",
                              .cboYear = "2038",
                              .cboHH = "1",
                              .cboMM = "12",
                              .cmbTimeZone = 34,
                              .txtLonD = "77",
                              .txtLonM = "13",
                              .txtLatD = "28",
                              .txtLatM = "39"};
    core::BirthRecord record;
    core::ResultSheet sheet;
    QVERIFY(!reading::RunReading(entries, record, sheet));
    for (const Language language : ui::TranslatedLanguages()) {
      QVERIFY(ui::UseLanguage(language));
      QString text;
      for (const core::TextRun& run : ui::ReadingRuns(sheet))
        text += QString::fromStdString(run.text);
      for (const int body : {0, 2, 4}) {
        const std::string areas(chakra::VedhaEffectAreas(body));
        const QString matters = QCoreApplication::translate("ReadingText", areas.c_str());
        QVERIFY2(text.contains(matters), qPrintable(matters + QStringLiteral(" in ") + text));
      }
    }
  }

  // Both windows made in one language and switched to another are the windows made in that
  // language: every widget in the same place, as large, in the same typeface, and the frame
  // fitted to the same scale. Their sign names lie whole inside their boxes, a pixel clear of
  // the box's line (the vowel signs below धनु, मिथुन), and the personal details' captions
  // stand on their values' line.
  void switchedAsStarted_data() {
    QTest::addColumn<Language>("start");
    QTest::addColumn<Language>("language");
    for (const Language start : ui::kLanguages)
      for (const Language language : ui::kLanguages)
        QTest::newRow(qPrintable(ui::LanguageCode(start) + QStringLiteral(" to ") +
                                 ui::LanguageCode(language)))
            << start << language;
  }
  void switchedAsStarted() {
    QFETCH(Language, start);
    QFETCH(Language, language);
    ui::testing::RecordingDialogs dialogs;
    ui::testing::RecordingLinks links;
    const auto reading = [&dialogs, &links](Language made) {
      ui::UseLanguage(made);
      auto program = std::make_unique<ui::Program>(dialogs, links);
      program->Start();
      ui::FrmMain& form = *program->Form();
      form.findChild<QLineEdit*>("txtName")->setText(kTypedName);
      for (const auto& [box, text] :
           {std::pair{"txtLonD", "77"}, {"txtLonM", "13"}, {"txtLatD", "28"}, {"txtLatM", "38"}})
        form.findChild<QLineEdit*>(box)->setText(text);
      form.findChild<QComboBox*>("cmbTimeZone")->setCurrentIndex(34);
      program->RunReading();
      return program;
    };
    const std::unique_ptr<ui::Program> switched = reading(start);
    QVERIFY(switched->Frame());
    QVERIFY(QTest::qWaitForWindowExposed(switched->Frame()));
    ui::UseLanguage(language);
    DeliverLanguageChange();
    const std::unique_ptr<ui::Program> started = reading(language);
    QVERIFY(QTest::qWaitForWindowExposed(started->Frame()));
    QCOMPARE(Shapes(switched->Frame()->Display()), Shapes(started->Frame()->Display()));
    QCOMPARE(switched->Frame()->Scale(), started->Frame()->Scale());

    ui::FrmDisplay* display = switched->Frame()->Display();
    for (int sign = 0; sign < 12; ++sign) {
      const auto* name = display->findChild<QLabel*>(QStringLiteral("Label1(%1)").arg(sign));
      const QRectF ink = DrawnLine(name).ink.translated(name->pos());
      const QRectF inside = QRectF(name->parentWidget()->rect()).adjusted(1, 1, -2, -2);
      QVERIFY2(inside.contains(ink), qPrintable(QStringLiteral("%1: ink %2,%3 to %4,%5 in %6x%7")
                                                    .arg(name->text())
                                                    .arg(ink.left())
                                                    .arg(ink.top())
                                                    .arg(ink.right())
                                                    .arg(ink.bottom())
                                                    .arg(inside.right())
                                                    .arg(inside.bottom())));
    }
    for (const char* pair : {"Label1(12) lblDOB", "Label14 lblTOB", "Label17 lblCity"}) {
      const QStringList names = QString::fromLatin1(pair).split(QLatin1Char(' '));
      const auto* caption = display->findChild<QLabel*>(names[0]);
      const auto* value = display->findChild<QLabel*>(names[1]);
      QCOMPARE(caption->y() + DrawnLine(caption).baseline, value->y() + DrawnLine(value).baseline);
    }
    // Back on the form, the form as if made in the language.
    for (ui::Program* program : {switched.get(), started.get()}) {
      program->Back();
      QVERIFY(QTest::qWaitForWindowExposed(program->Form()));
    }
    QCOMPARE(Shapes(switched->Form()), Shapes(started->Form()));
    QCOMPARE(switched->Form()->size(), started->Form()->size());
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

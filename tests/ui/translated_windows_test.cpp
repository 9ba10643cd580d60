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

namespace {

using ui::Language;

const QString kTypedName = QStringLiteral("Ravi Kumar");

// The English words left in `text` once the allowed ones are taken out.
QStringList EnglishWords(QString text) {
  static const QRegularExpression allowed(QStringLiteral(
      "Orvel Pataki "
      "Chakra|GeoNames|Astrodienst|https?://\\S+|www\\.\\S+|\\S+\\.(com|org|net|in)\\b\\S*|"
      "\\b[A-Z][a-z]+/[A-Za-z_/+-]+\\b"));  // zone ids, Asia/Kolkata
  text.remove(allowed);
  text.remove(kTypedName);
  QStringList words;
  static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
  for (auto it = word.globalMatch(text); it.hasNext();) {
    const QString found = it.next().captured();
    // Zone abbreviations (IST, UTC, AHDT) are written in capitals.
    if (found == found.toUpper() && found.size() <= 5) continue;
    words << found;
  }
  return words;
}

QString Plain(const QLabel* label) {
  return Qt::mightBeRichText(label->text())
             ? QTextDocumentFragment::fromHtml(label->text()).toPlainText()
             : label->text();
}

void WalkModel(const QAbstractItemModel* model, const QModelIndex& parent, QStringList& texts) {
  for (int row = 0; row < model->rowCount(parent); ++row)
    for (int column = 0; column < model->columnCount(parent); ++column) {
      const QModelIndex index = model->index(row, column, parent);
      texts << index.data().toString();
      if (column == 0) WalkModel(model, index, texts);
    }
}

void WalkMenu(const QMenu* menu, QStringList& texts) {
  texts << menu->title();
  for (const QAction* action : menu->actions()) {
    if (action->menu()) {
      WalkMenu(action->menu(), texts);
    } else if (!action->text().isEmpty() && action->text() != QLatin1String("English")) {
      texts << action->text();
    }
  }
}

// The texts of the window's visible widgets, "object name: text".
QStringList VisibleTexts(QWidget* window) {
  QStringList found;
  const auto add = [&found](const QObject* object, const QStringList& texts) {
    for (const QString& text : texts)
      for (const QString& word : EnglishWords(QString(text).remove(QLatin1Char('&'))))
        found << QStringLiteral("%1: %2 (in \"%3\")").arg(object->objectName(), word, text);
  };
  add(window, {window->windowTitle()});
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window)) continue;
    QStringList texts;
    if (auto* label = qobject_cast<QLabel*>(w)) texts << Plain(label);
    if (auto* button = qobject_cast<QAbstractButton*>(w)) texts << button->text();
    if (auto* group = qobject_cast<QGroupBox*>(w)) texts << group->title();
    if (auto* combo = qobject_cast<QComboBox*>(w)) texts << combo->currentText();
    if (auto* edit = qobject_cast<QTextEdit*>(w)) texts << edit->toPlainText();
    if (auto* tabs = qobject_cast<QTabWidget*>(w))
      for (int i = 0; i < tabs->count(); ++i) texts << tabs->tabText(i);
    if (auto* bar = qobject_cast<QMenuBar*>(w))
      for (const QAction* action : bar->actions())
        if (action->menu()) WalkMenu(action->menu(), texts);
    if (auto* view = qobject_cast<QAbstractItemView*>(w); view && view->model()) {
      const QAbstractItemModel* model = view->model();
      for (int column = 0; column < model->columnCount(); ++column)
        texts << model->headerData(column, Qt::Horizontal).toString();
      WalkModel(model, {}, texts);
    }
    add(w, texts);
  }
  return found;
}

// The window's labels of one line whose text is wider than the label: cut off where they
// are drawn ("object name: text, needed and given widths"). Labels that elide their text
// themselves say so in a tooltip with the whole text and are left out.
QStringList ClippedLabels(QWidget* window) {
  QStringList found;
  for (QLabel* label : window->findChildren<QLabel*>()) {
    if (!label->isVisibleTo(window) || label->wordWrap() || !label->toolTip().isEmpty() ||
        label->text().contains(QLatin1Char('\n')) || Qt::mightBeRichText(label->text()))
      continue;
    const int needed = label->fontMetrics().horizontalAdvance(label->text());
    const int given = label->contentsRect().width() - 2 * label->margin() - label->indent();
    if (needed > given)
      found << QStringLiteral("%1: \"%2\" needs %3 px, has %4")
                   .arg(label->objectName(), label->text())
                   .arg(needed)
                   .arg(given);
  }
  return found;
}

// The window's English words (and, when `clipped` is given, its cut-off labels) with each tab
// of each tab widget shown in turn.
QStringList TextsOnEveryTab(QWidget* window, QStringList* clipped = nullptr) {
  QStringList found = VisibleTexts(window);
  if (clipped) *clipped += ClippedLabels(window);
  for (QTabWidget* tabs : window->findChildren<QTabWidget*>())
    for (int i = 0; i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      found += VisibleTexts(window);
      if (clipped) *clipped += ClippedLabels(window);
    }
  found.removeDuplicates();
  if (clipped) clipped->removeDuplicates();
  return found;
}

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
    QTest::newRow("Hindi") << Language::Hindi;
    QTest::newRow("Tamil") << Language::Tamil;
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
    for (const Language language : {Language::Hindi, Language::Tamil}) {
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
    QStringList found = TextsOnEveryTab(&form, &clipped);

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
    found += TextsOnEveryTab(program.Frame(), &clipped);
    // On a small screen the result window is drawn scaled, in a scene of its own rather than
    // among the frame's children: walked by itself.
    found += TextsOnEveryTab(display, &clipped);

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

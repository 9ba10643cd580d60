// The two windows as a screen reader, a keyboard and a dark desktop meet them: names read from
// the accessibility interfaces (what the bus reports), the Tab order, the menus' access keys,
// Enter in the form, and the contrast of the colours the program keeps on the desktop's own.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSet>
#include <QSignalSpy>
#include <QStyleFactory>
#include <QTabBar>
#include <QtTest>
#include <memory>

#include "core/form_fields.h"
#include "fakes.h"
#include "reading/reading.h"
#include "ui/app/program.h"
#include "ui/common/look.h"
#include "ui/form/birth_form.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"

using ui::testing::RecordingDialogs;
using ui::testing::RecordingLinks;

namespace {

QString FromStd(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Every interface under `root` as the bus walks it, lists' items left out.
void Walk(QAccessibleInterface* root, QList<QAccessibleInterface*>& found) {
  if (!root || !root->isValid()) return;
  found << root;
  if (root->role() == QAccessible::List || root->role() == QAccessible::ComboBox) return;
  for (int i = 0; i < root->childCount(); ++i) Walk(root->child(i), found);
}

bool IsControl(QAccessible::Role role) {
  return QList{QAccessible::ComboBox, QAccessible::EditableText, QAccessible::PushButton,
               QAccessible::CheckBox, QAccessible::RadioButton,  QAccessible::PageTab,
               QAccessible::Link}
      .contains(role);
}

QString Describe(QAccessibleInterface* a) {
  return QStringLiteral("%1 (%2, role %3)")
      .arg(a->text(QAccessible::Name), a->object() ? a->object()->objectName() : QString())
      .arg(a->role());
}

// The widget a widget's text is drawn on: itself where it fills its ground, else the nearest
// parent that does, else its window.
const QWidget* Ground(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget())
    if (w->autoFillBackground() || w->isWindow()) return w;
  return widget;
}

QPalette DarkPalette() {
  QPalette dark(QColor(53, 53, 53));  // buttons and windows; text and the rest derived
  dark.setColor(QPalette::Base, QColor(35, 35, 35));
  return dark;
}

}  // namespace

class AccessibilityTest : public QObject {
  Q_OBJECT

  RecordingDialogs dialogs;
  RecordingLinks links;

  template <typename W>
  static W* Child(QWidget* window, const char* name) {
    W* widget = window->findChild<W*>(QLatin1String(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }

  static void EnterDelhi(ui::FrmMain* form) {
    Child<QLineEdit>(form, "txtName")->setText("ASHA RANI");
    Child<QComboBox>(form, "cboMonth")->setCurrentIndex(2);
    Child<QComboBox>(form, "cboDate")->setCurrentText("7");
    Child<QComboBox>(form, "cboYear")->setCurrentText("1984");
    Child<QComboBox>(form, "cboHH")->setCurrentText("10");
    Child<QComboBox>(form, "cboMM")->setCurrentText("5");
    Child<QComboBox>(form, "cboSS")->setCurrentText("30");
    Child<QLineEdit>(form, "txtMCity")->setText("New Delhi");
    Child<QLineEdit>(form, "txtMState")->setText("National Capital Territory of Delhi");
    Child<QLineEdit>(form, "txtMCountry")->setText("India");
    auto* zones = Child<QComboBox>(form, "cmbTimeZone");
    zones->setCurrentIndex(zones->findText("Indian Time", Qt::MatchStartsWith));
    Child<QLineEdit>(form, "txtLonD")->setText("77");
    Child<QLineEdit>(form, "txtLonM")->setText("13");
    Child<QLineEdit>(form, "txtLatD")->setText("28");
    Child<QLineEdit>(form, "txtLatM")->setText("38");
  }

  // Both windows of one reading: the form, then the frame.
  struct Windows {
    std::unique_ptr<ui::Program> program;
    ui::FrmMain* form;
  };
  Windows Start() {
    Windows w{std::make_unique<ui::Program>(dialogs, links), nullptr};
    w.program->Start();
    w.form = w.program->Form();
    return w;
  }

  // No control named by nothing or only by what it holds.
  static void CheckNames(QWidget* window) {
    QList<QAccessibleInterface*> all;
    Walk(QAccessible::queryAccessibleInterface(window), all);
    int controls = 0;
    for (QAccessibleInterface* a : all) {
      if (!IsControl(a->role()) || a->state().invisible) continue;
      ++controls;
      const QString name = a->text(QAccessible::Name).trimmed();
      const QString value = a->text(QAccessible::Value).trimmed();
      QVERIFY2(!name.isEmpty(), qPrintable(Describe(a)));
      QVERIFY2(value.isEmpty() || name != value, qPrintable(Describe(a)));
    }
    QVERIFY(controls > 5);
  }

 private slots:
  void formFieldsAreNamedAsTheRegistryNamesThem() {
    Windows w = Start();
    EnterDelhi(w.form);
    for (const core::FormField& field : core::kFormFields) {
      if (field.accessibleName.empty()) continue;
      auto* widget = Child<QWidget>(w.form, field.objectName.data());
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(widget);
      QCOMPARE(a->text(QAccessible::Name), FromStd(field.accessibleName));
      // The entry is still announced: as the value, and as the list's selected item.
      if (auto* list = qobject_cast<QComboBox*>(widget)) {
        QCOMPARE(a->text(QAccessible::Value), list->currentText());
        QAccessibleInterface* items = a->child(0);
        QVERIFY(items);
        QAccessibleTableInterface* table = items->tableInterface();
        QVERIFY2(table, field.objectName.data());
        const QList<QAccessibleInterface*> selected = table->selectedCells();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected[0]->text(QAccessible::Name), list->currentText());
        QVERIFY(selected[0]->state().selected);
      }
    }
    CheckNames(w.form);
  }

  void resultWindowIsReadWithItsLabels() {
    Windows w = Start();
    EnterDelhi(w.form);
    Child<QPushButton>(w.form, "cmdRashi")->click();
    ui::MdiFrame* frame = w.program->Frame();
    QVERIFY(frame);
    CheckNames(frame);
    ui::FrmDisplay* display = frame->Display();
    const struct {
      const char* value;
      const char* caption;
    } pairs[] = {{"lblName", "Name"},   {"lblSunRise", "Sun Rise"}, {"lblDOB", "Date of Birth"},
                 {"lblState", "State"}, {"lblLagna", "Lagna"},      {"planet(0)", "Surya/Sun"}};
    for (const auto& [value, caption] : pairs) {
      auto* label = display->findChild<QLabel*>(QLatin1String(value));
      QVERIFY2(label, value);
      QAccessibleInterface* a = QAccessible::queryAccessibleInterface(label);
      QVERIFY2(!label->text().isEmpty(), value);
      QCOMPARE(a->text(QAccessible::Name),
               QLatin1String(caption) + QStringLiteral(", ") + label->text().simplified());
      QCOMPARE(a->role(), QAccessible::StaticText);
    }
  }

  // A magnifier follows the focus to the place the widget is drawn: on a small screen the
  // result window is drawn scaled, and its widgets report the scaled places.
  void scaledResultWindowReportsItsDrawnPlaces() {
    Windows w = Start();
    EnterDelhi(w.form);
    Child<QPushButton>(w.form, "cmdRashi")->click();
    ui::MdiFrame* frame = w.program->Frame();
    QVERIFY(frame);
    auto* view = frame->findChild<QGraphicsView*>("scaledDisplay");
    QVERIFY2(view, "the test screen is small enough to draw the window scaled");
    ui::FrmDisplay* display = frame->Display();
    for (const char* name : {"lblName", "Label6", "RTB", "SSTab1"}) {
      auto* widget = display->findChild<QWidget*>(QLatin1String(name));
      QVERIFY2(widget, name);
      const QRect inDisplay(widget->mapTo(display, QPoint()), widget->size());
      const QRect drawn(view->viewport()->mapToGlobal(view->mapFromScene(inDisplay.topLeft())),
                        view->mapFromScene(QRectF(inDisplay)).boundingRect().size());
      const QRect reported = QAccessible::queryAccessibleInterface(widget)->rect();
      QVERIFY2(std::abs(reported.left() - drawn.left()) <= 1 &&
                   std::abs(reported.top() - drawn.top()) <= 1 &&
                   std::abs(reported.width() - drawn.width()) <= 1 &&
                   std::abs(reported.height() - drawn.height()) <= 1,
               name);
    }
  }

  void tabFollowsTheResultWindowFromTopToBottom() {
    Windows w = Start();
    EnterDelhi(w.form);
    core::BirthRecord record;
    core::ResultSheet sheet;
    QVERIFY(!reading::RunReading(w.form->Entries(), record, sheet));
    // At the design size: the test screen is smaller.
    auto frame = std::make_unique<ui::MdiFrame>(sheet, links);
    frame->show();
    QVERIFY(QTest::qWaitForWindowActive(frame.get()));
    QWidget* first = frame->Display()->findChild<QWidget*>("Label6");
    first->setFocus();
    QStringList visited;
    for (int i = 0; i < 6; ++i) {
      QWidget* focus = QApplication::focusWidget();
      QString name = focus->objectName();
      if (auto* bar = qobject_cast<QTabBar*>(focus)) name = bar->parentWidget()->objectName();
      visited << name;
      QTest::keyClick(focus, Qt::Key_Tab);
    }
    QCOMPARE(visited, QStringList({"Label6", "SSTab2", "SSTab1", "cmdBack", "cmdExit", "Label6"}));
  }

  // The forum link shows the keyboard's focus, as the boxes and buttons do.
  void linksShowTheirFocus() {
    ui::FrmMain form(dialogs, links);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* link = Child<QWidget>(&form, "Label61");
    QWidget* button = Child<QWidget>(&form, "cmdRashi");
    button->setFocus(Qt::TabFocusReason);
    const QImage without = link->grab().toImage();
    QTest::keyClick(button, Qt::Key_Tab);  // the style shows the focus once the keyboard moves it
    QVERIFY(link->hasFocus());
    QVERIFY(link->grab().toImage() != without);
  }

  void everyMenuHasDistinctAccessKeys() {
    Windows w = Start();
    EnterDelhi(w.form);
    QList<QMainWindow*> windows{w.form};
    Child<QPushButton>(w.form, "cmdRashi")->click();
    windows << w.program->Frame();
    for (QMainWindow* window : windows) {
      QList<QMenu*> menus{window->menuBar()->findChildren<QMenu*>()};
      QList<QList<QAction*>> levels{window->menuBar()->actions()};
      for (QMenu* menu : menus) levels << menu->actions();
      for (const QList<QAction*>& level : levels) {
        QSet<QChar> keys;
        for (QAction* action : level) {
          const qsizetype at = action->text().indexOf(QRegularExpression("&[^&]"));
          if (at < 0) continue;
          const QChar key = action->text()[at + 1].toLower();
          QVERIFY2(!keys.contains(key), qPrintable(window->objectName() + ": " + action->text()));
          keys << key;
        }
      }
    }
  }

  // Enter asks for the reading where it means nothing else.
  void enterInTheForm_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("reads");
    QTest::addColumn<int>("messages");
    QTest::newRow("name box") << "txtName" << true << 0;
    QTest::newRow("city box") << "txtMCity" << true << 0;
    QTest::newRow("closed month list") << "cboMonth" << true << 0;
    QTest::newRow("daylight saving box") << "chkDST" << true << 0;
    QTest::newRow("degrees: its own message") << "txtLonD" << false << 1;
    QTest::newRow("the lookup button looks up") << "cmdBrowser" << false << 0;
  }
  void enterInTheForm() {
    QFETCH(QString, box);
    QFETCH(bool, reads);
    QFETCH(int, messages);
    ui::FrmMain form(dialogs, links);
    dialogs.messages.clear();
    links.opened.clear();
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QSignalSpy reading(&form, &ui::FrmMain::readingRequested);
    QWidget* widget = form.findChild<QWidget*>(box);
    widget->setFocus();
    QTest::keyClick(widget, Qt::Key_Return);
    QCOMPARE(reading.count(), reads ? 1 : 0);
    QCOMPARE(dialogs.messages.size() - (box == "cmdBrowser" ? 1 : 0), messages);
  }

  // A text in the program's colour on the desktop's ground, or the reverse, reads under a
  // light and a dark desktop alike. A colour is the program's where a widget set it (its
  // palette's brush is set, on the widget or a parent).
  void mixedColoursReadOnLightAndDarkDesktops() {
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
    const QPalette light = fusion->standardPalette();
    const QPalette dark = DarkPalette();
    struct Seen {
      QColor text, ground;
      bool mixed;  // one colour the program's, the other the desktop's
    };
    QList<QMap<QString, Seen>> seen;
    for (const QPalette& palette : {light, dark}) {
      QApplication::setPalette(palette);
      Windows w = Start();
      EnterDelhi(w.form);
      QMap<QString, Seen> pairs;
      const auto note = [&pairs](const QString& window, QWidget* root) {
        for (QLabel* label : root->findChildren<QLabel*>()) {
          if (label->text().isEmpty() || label->objectName().isEmpty()) continue;
          const QWidget* ground = Ground(label);
          const bool ownText =
              label->palette().isBrushSet(QPalette::Active, label->foregroundRole());
          const bool ownGround =
              ground->palette().isBrushSet(QPalette::Active, ground->backgroundRole());
          pairs[window + "/" + label->objectName()] = {
              label->palette().color(label->foregroundRole()),
              ground->palette().color(ground->backgroundRole()), ownText != ownGround};
        }
      };
      note("form", w.form);
      Child<QPushButton>(w.form, "cmdRashi")->click();
      note("frame", w.program->Frame());
      seen << pairs;
    }
    QApplication::setPalette(light);
    int mixed = 0;
    for (auto it = seen[0].cbegin(); it != seen[0].cend(); ++it) {
      if (!seen[1].contains(it.key())) continue;
      const Seen& a = it.value();
      const Seen& b = seen[1][it.key()];
      if (!a.mixed && !b.mixed) continue;
      ++mixed;
      for (const Seen& s : {a, b})
        QVERIFY2(ui::ContrastRatio(s.text, s.ground) >= 4.5,
                 qPrintable(QStringLiteral("%1: %2 on %3, %4")
                                .arg(it.key(), s.text.name(), s.ground.name())
                                .arg(ui::ContrastRatio(s.text, s.ground))));
    }
    QVERIFY(mixed >= 1);  // the forum link at least
  }

  // Worked values of the definition: black on white is 21, a colour on itself 1, and WCAG's
  // own example of mid-grey #777777 on white 4.48 (just short of 4.5).
  void contrastRatio() {
    QCOMPARE(ui::ContrastRatio(Qt::black, Qt::white), 21.0);
    QCOMPARE(ui::ContrastRatio(QColor(0, 64, 64), QColor(0, 64, 64)), 1.0);
    QVERIFY(qAbs(ui::ContrastRatio(QColor(0x77, 0x77, 0x77), Qt::white) - 4.48) < 0.01);
    const QColor link = ui::ReadableOn(QColor(0, 0, 192), QColor(53, 53, 53));
    QVERIFY(ui::ContrastRatio(link, QColor(53, 53, 53)) >= 4.5);
    QCOMPARE(ui::ReadableOn(QColor(0, 0, 192), QColor(239, 239, 239)), QColor(0, 0, 192));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"

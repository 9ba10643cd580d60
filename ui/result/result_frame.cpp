#include "ui/result/result_frame.h"

#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QtMath>
#include <algorithm>

#include "ui/common/language.h"
#include "ui/common/language_menu.h"
#include "ui/common/look.h"
#include "ui/common/program_texts.h"
#include "ui/help/help_menu.h"
#include "ui/result/result_window.h"
#include "ui/result/scaled_accessibility.h"

namespace ui {

namespace {

// The result window drawn at a smaller scale, whole and still working: its widgets live in a
// graphics scene and the view draws the scene scaled.
class ScaledView : public QGraphicsView {
 public:
  ScaledView(QWidget* content, double scale) {
    setObjectName(QStringLiteral("scaledDisplay"));
    setAccessibleName(content->windowTitle());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                   QPainter::SmoothPixmapTransform);
    setBackgroundBrush(kBackground);
    auto* scene = new QGraphicsScene(this);
    // A plain item, not a window with a title bar of its own.
    QGraphicsProxyWidget* proxy = scene->addWidget(content, Qt::Widget);
    proxy->setWindowFlags(Qt::Widget);
    proxy->setPos(0, 0);
    scene->setSceneRect(QRectF(QPointF(), content->size()));
    ForgetUnscaledPlaces(content);
    setScene(scene);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetScale(scale);
  }
  void SetScale(double scale) {
    setTransform(QTransform::fromScale(scale, scale));
    setFixedSize(ScaledSize(scene()->sceneRect().size().toSize(), scale));
  }
};

// A screen reader finds the result window under the view as it found it under the sub-window.
// (Qt makes an interface for the view while it is being built, before it has a name or a
// scene, so the window drawn is looked up on every question.)
class AccessibleScaledView : public QAccessibleWidget {
 public:
  explicit AccessibleScaledView(QGraphicsView* view)
      : QAccessibleWidget(view, QAccessible::Client) {}
  int childCount() const override { return Content() ? 1 : 0; }
  QAccessibleInterface* child(int index) const override {
    return index == 0 && Content() ? QAccessible::queryAccessibleInterface(Content()) : nullptr;
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return child && Content() && child->object() == Content() ? 0 : -1;
  }

 private:
  QWidget* Content() const {
    auto* view = static_cast<QGraphicsView*>(object());
    if (!view || !view->scene()) return nullptr;
    for (QGraphicsItem* item : view->scene()->items())
      if (auto* proxy = dynamic_cast<QGraphicsProxyWidget*>(item); proxy && proxy->widget())
        return proxy->widget();
    return nullptr;
  }
};

// The program's only plain graphics view is the scaled result window (views of their own class,
// such as the print preview's, keep Qt's interface).
QAccessibleInterface* ScaledViewFactory(const QString& className, QObject* object) {
  if (className != QLatin1String("QGraphicsView") || !object ||
      object->metaObject() != &QGraphicsView::staticMetaObject)
    return nullptr;
  return new AccessibleScaledView(static_cast<QGraphicsView*>(object));
}

// The frame's design in twips: the title strip above the result window, the button strip
// below it, and the frame's own size.
constexpr int kTopStripHeight = 795;
constexpr int kBottomStripHeight = 585;
constexpr int kDesignWidth = 11880;
constexpr int kDesignHeight = 8190;

QAction* AddItem(QMenu* menu, const char* text, const char* name) {
  QAction* item = menu->addAction(QString());
  item->setObjectName(QLatin1String(name));
  SetTranslated(item, "text", "ResultFrame", text);
  return item;
}

QPushButton* StripButton(const char* text, const char* name, QWidget* strip) {
  auto* button = new QPushButton(strip);
  SetTranslated(button, "text", "ResultFrame", text);
  button->setObjectName(QLatin1String(name));
  button->setAutoDefault(false);
  button->setGeometry(TwipsRect(0, 120, 1335, 400));
  return button;
}

}  // namespace

int ResultWindowLeft(int screenWidth, int windowWidth, int clientWidth) {
  return std::clamp((screenWidth - windowWidth) / 2, 0, std::max(0, clientWidth - windowWidth));
}

QSize ScaledSize(QSize size, double scale) {
  // A product meant to land on a whole pixel can come out a hair above it (600 × (408 / 600)
  // is 408.00000000000006): that hair is no pixel of its own.
  constexpr double kHair = 1e-6;
  return {qCeil(size.width() * scale - kHair), qCeil(size.height() * scale - kHair)};
}

double ResultScale(QSize design, QSize around, QSize room) {
  if (design.isEmpty()) return 1;
  const QSize left = room - around;
  const double across = static_cast<double>(left.width()) / design.width();
  const double down = static_cast<double>(left.height()) / design.height();
  // Below a fifth nothing reads any more; the frame scrolls there instead.
  return std::clamp(std::min(across, down), 0.2, 1.0);
}

MdiFrame::MdiFrame(const core::ResultSheet& sheet, LinkOpener& links, QWidget* parent)
    : QMainWindow(parent) {
  setObjectName(QStringLiteral("MDI"));
  setWindowTitle(kWindowCaption);
  WhenTranslated(this, [this] { setFont(AppFont(8)); });
  BuildMenus(links);

  auto* client = new QWidget(this);
  Paint(client, kBackground, kValueColour);
  auto* column = new QVBoxLayout(client);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);

  auto* top = new QWidget(client);
  top->setObjectName(QStringLiteral("picTop"));
  top->setFixedHeight(Twips(kTopStripHeight));
  auto* title = new QLabel(top);
  SetTranslated(title, "text", "ResultFrame",
                QT_TRANSLATE_NOOP("ResultFrame", "Orvel Pataki Chakra Chart"));
  title->setObjectName(QStringLiteral("Label2"));
  title->setTextFormat(Qt::PlainText);
  WhenTranslated(title, [title] { title->setFont(AppFont(16, true)); });
  title->setGeometry(TwipsRect(360, 120, 5715, 525));
  column->addWidget(top);

  area_ = new QMdiArea(client);
  area_->setObjectName(QStringLiteral("mdiArea"));
  area_->setBackground(kBackground);
  area_->setFrameShape(QFrame::NoFrame);
  area_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  area_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  display_ = new FrmDisplay(links);
  display_->Render(sheet);
  // The result window can be neither closed nor minimised on its own: it goes with the frame.
  subWindow_ =
      area_->addSubWindow(display_, Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  subWindow_->setWindowIcon(windowIcon());
  subWindow_->setSystemMenu(nullptr);
  subWindow_->installEventFilter(this);
  subWindow_->adjustSize();
  subWindow_->move(0, 0);
  subWindow_->show();
  area_->viewport()->installEventFilter(this);
  column->addWidget(area_, 1);

  auto* bottom = new QWidget(client);
  bottom->setObjectName(QStringLiteral("Picture1"));
  bottom->setFixedHeight(Twips(kBottomStripHeight));
  cmdBack_ = StripButton(QT_TRANSLATE_NOOP("ResultFrame", "&Back"), "cmdBack", bottom);
  cmdExit_ = StripButton(QT_TRANSLATE_NOOP("ResultFrame", "E&xit"), "cmdExit", bottom);
  connect(cmdBack_, &QPushButton::clicked, this, &MdiFrame::backRequested);
  connect(cmdExit_, &QPushButton::clicked, this, &MdiFrame::exitRequested);
  setTabOrder(cmdBack_, cmdExit_);
  // From the result window's last control on to the buttons below it, and back.
  connect(display_, &FrmDisplay::tabbedOut, this,
          [this](bool forward) { (forward ? cmdBack_ : cmdExit_)->setFocus(Qt::TabFocusReason); });
  column->addWidget(bottom);

  setCentralWidget(client);
  resize(Twips(kDesignWidth), Twips(kDesignHeight));
  // A new language brings its typeface: the menu bar's height and the smallest legible scale
  // change with it, so the frame is fitted again once the texts have changed, as it is when
  // the program starts in that language.
  WhenTranslated(this, [this] {
    if (isVisible()) QTimer::singleShot(0, this, [this] { ShowFitted(); });
  });
}

void MdiFrame::BuildMenus(LinkOpener& links) {
  QMenu* file = menuBar()->addMenu(QString());
  SetTranslated(file, "title", "ResultFrame", QT_TRANSLATE_NOOP("ResultFrame", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  connect(AddItem(file, QT_TRANSLATE_NOOP("ResultFrame", "&Back"), "mnuBack"), &QAction::triggered,
          this, &MdiFrame::backRequested);
  connect(AddItem(file, QT_TRANSLATE_NOOP("ResultFrame", "E&xit"), "mnuExit"), &QAction::triggered,
          this, &MdiFrame::exitRequested);
  QMenu* help = AddHelpMenu(this, links, "mnuHelpSep1", "mnuHelpSep2");
  AddLanguageMenu(this, help->menuAction());
}

void MdiFrame::DrawAt(double scale) {
  static const bool installed = [] {
    QAccessible::installFactory(ScaledViewFactory);
    QAccessible::installFactory(ScaledWidgetFactory);
    return true;
  }();
  (void)installed;
  scale_ = scale;
  if (auto* drawn = dynamic_cast<ScaledView*>(subWindow_->widget())) {
    drawn->SetScale(scale);
  } else {
    subWindow_->setWidget(nullptr);  // hands the result window back, unparented
    subWindow_->setWidget(new ScaledView(display_, scale));
  }
  auto* view = subWindow_->widget();
  subWindow_->setWindowTitle(display_->windowTitle());
  subWindow_->adjustSize();
  subWindow_->move(0, 0);
  view->setFocus();
}

void MdiFrame::ShowFitted() {
  ShowFittedIn(screen() ? screen()->availableGeometry() : QRect());
}

void MdiFrame::ShowFittedIn(const QRect& screenRoom) {
  // Leave room for the window manager's title bar and borders.
  const QSize roomForFrame = screenRoom.size() - QSize(16, 48);
  const QSize around =
      subWindow_->frameGeometry().size() - subWindow_->widget()->size() +
      QSize(0, menuBar()->sizeHint().height() + Twips(kTopStripHeight) + Twips(kBottomStripHeight));
  if (screenRoom.isValid()) {
    // Never smaller than its text stays legible: below that the frame scrolls instead.
    const double scale = std::min(1.0, std::max(ResultScale(display_->size(), around, roomForFrame),
                                                LegibleScale(display_->DrawnFonts())));
    if (scale < 1 || scale_ < 1) DrawAt(scale);
  }
  // Room for the whole result window between the strips, and never less than the design size.
  const QSize window = subWindow_->frameGeometry().size();
  QSize wanted(
      std::max(Twips(kDesignWidth), window.width()),
      std::max(Twips(kDesignHeight), menuBar()->sizeHint().height() + Twips(kTopStripHeight) +
                                         window.height() + Twips(kBottomStripHeight)));
  const QRect available = screenRoom.isValid() ? screenRoom : QRect(QPoint(), wanted);
  const QSize room = screenRoom.isValid() ? roomForFrame : wanted;
  // The design size of the frame is larger than the result window needs; on a small screen
  // the frame takes what the result window needs.
  if (scale_ < 1) wanted = wanted.boundedTo(room).expandedTo(QSize(window.width(), 0));
  if (wanted.width() > room.width() || wanted.height() > room.height()) {
    showMaximized();
    return;
  }
  if (isMaximized()) showNormal();
  resize(wanted);
  move(available.center() - QPoint(wanted.width() / 2, wanted.height() / 2 + 16));
  show();
}

void MdiFrame::ApplyResizeRule() {
  const int screenWidth = screen() ? screen()->geometry().width() : width();
  subWindow_->move(ResultWindowLeft(screenWidth, subWindow_->width(), area_->viewport()->width()),
                   subWindow_->y());
  const int exitLeft = width() - cmdExit_->width() - Twips(300);
  cmdExit_->move(exitLeft, cmdExit_->y());
  cmdBack_->move(exitLeft - cmdExit_->width() - Twips(100), cmdBack_->y());
}

void MdiFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  ApplyResizeRule();
}

bool MdiFrame::eventFilter(QObject* watched, QEvent* event) {
  if (watched == area_->viewport() && event->type() == QEvent::Resize) ApplyResizeRule();
  // Ctrl+F4 and the like would close the result window alone and leave an empty frame.
  if (watched == subWindow_ && event->type() == QEvent::Close) {
    event->ignore();
    return true;
  }
  return QMainWindow::eventFilter(watched, event);
}

bool MdiFrame::focusNextPrevChild(bool next) {
  // From the buttons on into the result window, at its first control or its last.
  if (focusWidget() == (next ? cmdExit_ : cmdBack_)) {
    subWindow_->widget()->setFocus(Qt::OtherFocusReason);  // the view, where it is scaled
    display_->FocusEnd(next);
    return true;
  }
  return QMainWindow::focusNextPrevChild(next);
}

void MdiFrame::closeEvent(QCloseEvent* event) {
  event->accept();
  emit exitRequested();
}

}  // namespace ui

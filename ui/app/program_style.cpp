#include "ui/app/program_style.h"

#include <qdrawutil.h>

#include <QGroupBox>
#include <QIconEngine>
#include <QImageReader>
#include <QPointer>
#include <QStyleOption>
#include <optional>

namespace ui {

namespace {

// Stands for one of the style's icons and asks the style for it when the icon is first used.
class DeferredIconEngine final : public QIconEngine {
 public:
  DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which) : style_(style), which_(which) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
  }
  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().actualSize(size, mode, state);
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return Icon().pixmap(size, mode, state);
  }
  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                       qreal scale) override {
    return Icon().pixmap(size, scale, mode, state);
  }
  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return Icon().availableSizes(mode, state);
  }
  // A button asks whenever it lays itself out; the arrows exist in every style Qt has.
  bool isNull() override { return false; }
  QIconEngine* clone() const override { return new DeferredIconEngine(style_, which_); }

 private:
  const QIcon& Icon() {
    if (!icon_) icon_ = style_ ? style_->standardIcon(which_) : QIcon();
    return *icon_;
  }

  QPointer<QStyle> style_;
  QStyle::StandardPixmap which_;
  std::optional<QIcon> icon_;
};

// Qt 6.4's Fusion group box frame (QFusionStyle::drawPrimitive), with the frame image given.
void DrawFusionGroupBoxFrame(const QStyle& style, const QStyleOption& option, QPainter& painter,
                             const QWidget* widget, const QPixmap& frameImage) {
  constexpr int kGroupBoxTopMargin = 3;
  const auto* box = qobject_cast<const QGroupBox*>(widget);
  const int top = box && !box->isCheckable() && box->title().isEmpty()
                      ? kGroupBoxTopMargin
                      : std::max(style.pixelMetric(QStyle::PM_ExclusiveIndicatorHeight),
                                 option.fontMetrics.height()) +
                            kGroupBoxTopMargin;
  qDrawBorderPixmap(&painter, option.rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frameImage);
}

// The icons a menu bar and a window inside the frame make when they are built, each read from
// an image file, and drawn only in a menu bar too narrow for its menus or in a window's own
// menu (which the frame's result window does not offer).
bool IsDeferred(QStyle::StandardPixmap which) {
  switch (which) {
    case QStyle::SP_ToolBarHorizontalExtensionButton:
    case QStyle::SP_ToolBarVerticalExtensionButton:
    case QStyle::SP_TitleBarMenuButton:
    case QStyle::SP_TitleBarMinButton:
    case QStyle::SP_TitleBarMaxButton:
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_TitleBarShadeButton:
    case QStyle::SP_TitleBarUnshadeButton:
    case QStyle::SP_TitleBarContextHelpButton:
      return true;
    default:
      return false;
  }
}

}  // namespace

QPixmap ReadPng(const QString& path) {
  QImageReader reader(path, "png");
  reader.setAutoDetectImageFormat(false);
  return QPixmap::fromImage(reader.read());
}

ProgramStyle::ProgramStyle(const QString& key)
    : QProxyStyle(key),
      fusion_(baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0) {
  if (fusion_)
    groupBoxFrame_ =
        ReadPng(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"));
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
  if (element == PE_FrameGroupBox && fusion_ && !groupBoxFrame_.isNull())
    return DrawFusionGroupBoxFrame(*this, *option, *painter, widget, groupBoxFrame_);
  QProxyStyle::drawPrimitive(element, option, painter, widget);
}

QIcon ProgramStyle::standardIcon(StandardPixmap which, const QStyleOption* option,
                                 const QWidget* widget) const {
  if (fusion_ && IsDeferred(which)) return QIcon(new DeferredIconEngine(baseStyle(), which));
  return QProxyStyle::standardIcon(which, option, widget);
}

}  // namespace ui

#include "ui/common/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/common/look.h"

namespace ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
  setTextFormat(Qt::PlainText);
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(text.trimmed());
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit activated();
  QLabel::mouseReleaseEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      emit activated();
      return;
    default:
      QLabel::keyPressEvent(event);
  }
}

void LinkLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QStylePainter painter(this);
  QStyleOptionFocusRect option;
  option.initFrom(this);
  // Around the address, not the whole width the layout gives the label.
  option.rect = style()
                    ->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), text())
                    .adjusted(-2, 0, 2, 0)
                    .intersected(rect());
  option.backgroundColor = palette().color(backgroundRole());
  painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void LinkLabel::SetOwnColour(const QColor& colour) {
  ownColour_ = colour;
  ApplyOwnColour();
}

void LinkLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::PaletteChange) ApplyOwnColour();
}

void LinkLabel::ApplyOwnColour() {
  if (!ownColour_.isValid()) return;
  const QColor shown = ReadableOn(ownColour_, palette().color(QPalette::Window));
  if (palette().color(QPalette::WindowText) != shown) SetTextColour(this, shown);
}

}  // namespace ui

#include "ui/common/link_label.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>

#include "ui/common/latin_runs.h"
#include "ui/common/look.h"

namespace ui {

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(text.trimmed());
  SetLinkText(text);
}

void LinkLabel::SetLinkText(const QString& text) {
  text_ = text;
  ShowText();
}

void LinkLabel::ShowText() {
  // An address alone in a Hindi or Tamil window is amid that script too (the result window's).
  const QFont latin = LatinFont(font());
  const bool amid = InScriptTypeface(font());
  const bool mixed = !LatinRuns(text_, latin, amid).isEmpty();
  setTextFormat(mixed ? Qt::RichText : Qt::PlainText);
  setText(mixed ? MarkedLatinRuns(text_, latin, amid) : text_);
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
                    ->itemTextRect(fontMetrics(), contentsRect(), alignment(), isEnabled(), text_)
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
  if (event->type() == QEvent::FontChange) ShowText();
}

void LinkLabel::ApplyOwnColour() {
  if (!ownColour_.isValid()) return;
  const QColor shown = ReadableOn(ownColour_, palette().color(QPalette::Window));
  if (palette().color(QPalette::WindowText) != shown) SetTextColour(this, shown);
}

}  // namespace ui

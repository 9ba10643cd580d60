#include "ui/form/pick_list.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QtMath>
#include <algorithm>

namespace ui {

PickList::PickList(QWidget* parent, QString widestEntry)
    : QComboBox(parent), widestEntry_(std::move(widestEntry)) {}

PickList::PickList(QWidget* parent, int characters) : QComboBox(parent), characters_(characters) {}

// Qt's own rule for a list's size (QComboBox::sizeHint in Qt 6.4): the text's width, a
// line's height of at least 14 pixels plus 2, room for an icon where the list keeps it, and
// the style's frame and arrow around them.
QSize PickList::sizeHint() const {
  const QFontMetrics& metrics = fontMetrics();
  QSize content(0, std::max(qCeil(QFontMetricsF(metrics).height()), 14) + 2);
  if (characters_ > 0) {
    const QSize icon = iconSize();
    content.setWidth(characters_ * metrics.horizontalAdvance(QLatin1Char('X')) + icon.width() + 4);
    content.setHeight(std::max(content.height(), icon.height() + 2));
  } else {
    content.setWidth(metrics.boundingRect(widestEntry_).width());
  }
  QStyleOptionComboBox option;
  initStyleOption(&option);
  return style()->sizeFromContents(QStyle::CT_ComboBox, &option, content, this);
}

void PickList::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) updateGeometry();
  // Qt hands a new font to the popup, building the popup first if there is none yet; a popup
  // built later takes the list's font then.
  if (event->type() == QEvent::FontChange && !findChild<QAbstractItemView*>()) {
    QWidget::changeEvent(event);
    return;
  }
  QComboBox::changeEvent(event);
}

}  // namespace ui

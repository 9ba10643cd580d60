#include "ui/common/latin_runs_delegate.h"

#include <QApplication>
#include <QPainter>
#include <QtMath>

#include "ui/common/latin_runs.h"
#include "ui/common/look.h"

namespace ui {

namespace {

const QStyle& StyleOf(const QStyleOptionViewItem& option) {
  return option.widget ? *option.widget->style() : *QApplication::style();
}

bool HasLatinRuns(const QStyleOptionViewItem& item) {
  return !LatinRuns(item.text, LatinFont(item.font)).isEmpty();
}

}  // namespace

void LatinRunsDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  if (!HasLatinRuns(item)) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  const QString text = item.text;
  item.text.clear();  // the style draws the entry's background, focus and icon; the text is ours
  const QStyle& style = StyleOf(item);
  style.drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);
  // Where the style would draw the text: its rectangle, less the margin it keeps on both sides.
  const int margin = style.pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, item.widget) + 1;
  item.text = text;
  const QRect room = style.subElementRect(QStyle::SE_ItemViewItemText, &item, item.widget)
                         .adjusted(margin, 0, -margin, 0);
  const QPalette::ColorGroup group = !(item.state & QStyle::State_Enabled) ? QPalette::Disabled
                                     : (item.state & QStyle::State_Active) ? QPalette::Normal
                                                                           : QPalette::Inactive;
  painter->save();
  painter->setPen(item.palette.color(
      group, item.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
  const LatinRunsLine line(ElidedLatinRuns(text, item.font, room.width()), item.font);
  line.Draw(*painter, room, item.displayAlignment);
  painter->restore();
}

QSize LatinRunsDelegate::sizeHint(const QStyleOptionViewItem& option,
                                  const QModelIndex& index) const {
  QSize size = QStyledItemDelegate::sizeHint(option, index);
  QStyleOptionViewItem item = option;
  initStyleOption(&item, index);
  if (!HasLatinRuns(item)) return size;
  const LatinRunsLine line(item.text, item.font);
  const QFontMetrics metrics(item.font);
  size.rwidth() += qCeil(line.Width()) - metrics.horizontalAdvance(item.text);
  size.setHeight(std::max(size.height(), qCeil(line.Height()) + 2));
  return size;
}

}  // namespace ui

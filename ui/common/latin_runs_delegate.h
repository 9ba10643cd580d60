#pragma once
// A list's entries drawn with their Latin runs in the Latin typeface (ui/common/latin_runs.h):
// the zone list's "+5.3" and zone abbreviations amid Devanagari or Tamil, which the script's
// typeface draws with a wide "+" and small figures. Entries without such runs are drawn as the
// style draws them.

#include <QStyledItemDelegate>

namespace ui {

class LatinRunsDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace ui

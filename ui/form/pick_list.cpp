#include "ui/form/pick_list.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStylePainter>
#include <QtMath>
#include <algorithm>

#include "ui/common/latin_runs.h"
#include "ui/common/latin_runs_delegate.h"
#include "ui/common/look.h"

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

std::optional<int> PickList::TypedRow(const QString& key) {
  const auto digits = [](const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= '0' && c <= '9'; });
  };
  if (key.size() != 1 || !digits(key) || count() == 0 || !digits(itemText(0))) return std::nullopt;
  const bool goingOn = sinceKey_.isValid() && sinceKey_.elapsed() < kTypingPause.count();
  sinceKey_.start();
  typed_ = goingOn ? typed_ + key : key;
  // Digits that begin no number of the list start a new one.
  if (findText(typed_, Qt::MatchStartsWith) < 0) typed_ = key;
  const int row = findText(typed_, Qt::MatchExactly);
  return row >= 0 ? std::optional(row) : std::optional(-1);
}

void PickList::keyPressEvent(QKeyEvent* event) {
  const std::optional<int> row = TypedRow(event->text());
  if (!row) {
    QComboBox::keyPressEvent(event);
    return;
  }
  event->accept();
  if (*row < 0 || *row == currentIndex()) return;  // more digits to come, or no such number
  setCurrentIndex(*row);
  emit activated(*row);
  emit textActivated(itemText(*row));
}

// The open list: the number typed is highlighted, and Enter or a click takes it.
void PickList::showPopup() {
  if (!watchingPopup_) {
    view()->installEventFilter(this);
    watchingPopup_ = true;
    // Set here, not when the list is made: setting a delegate builds the popup.
    if (latinRuns_) setItemDelegate(new LatinRunsDelegate(this));
  }
  QComboBox::showPopup();
}

bool PickList::eventFilter(QObject* watched, QEvent* event) {
  if (watched != view() || event->type() != QEvent::KeyPress) return false;
  const std::optional<int> row = TypedRow(static_cast<QKeyEvent*>(event)->text());
  if (!row) return false;
  if (*row >= 0) view()->setCurrentIndex(model()->index(*row, modelColumn(), rootModelIndex()));
  return true;
}

// The chosen entry as the style draws it (Qt 6.4's QComboBox::paintEvent), its text drawn
// with its Latin runs in the Latin typeface where it has them.
void PickList::paintEvent(QPaintEvent*) {
  QStylePainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  QStyleOptionComboBox option;
  initStyleOption(&option);
  painter.drawComplexControl(QStyle::CC_ComboBox, option);
  const QString text = option.currentText;
  const bool runs = latinRuns_ && !LatinRuns(text, LatinFont(font())).isEmpty();
  if (runs) option.currentText.clear();
  painter.drawControl(QStyle::CE_ComboBoxLabel, option);
  if (!runs) return;
  // Where the style draws the text: the edit field less a pixel each side, left and centred.
  const QRect room =
      style()
          ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this)
          .adjusted(1, 0, -1, 0);
  painter.setPen(
      palette().color(isEnabled() ? QPalette::Normal : QPalette::Disabled, QPalette::ButtonText));
  LatinRunsLine(ElidedLatinRuns(text, font(), room.width()), font())
      .Draw(painter, room, Qt::AlignLeft | Qt::AlignVCenter);
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

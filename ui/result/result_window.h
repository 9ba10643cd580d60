#pragma once
// The result window: the sign chart on the left, the person's details and planetary
// positions above, the Pataki Chakra details and the reading text below. It has no logic of
// its own beyond drawing a result sheet: every caption a reading writes lands in the child
// widget of that name.

#include <QFont>
#include <QHash>
#include <QList>
#include <QWidget>
#include <optional>

#include "core/result_sheet.h"

class QFrame;
class QLabel;

namespace ui {

class LinkOpener;

class FrmDisplay : public QWidget {
  Q_OBJECT
 public:
  explicit FrmDisplay(LinkOpener& links, QWidget* parent = nullptr);

  // Writes the sheet's captions, sign-box highlights and reading text into the window.
  void Render(const core::ResultSheet& sheet);
  // The clock the birth time was read on ("UTC+6:30, war time, Asia/Kolkata"), shown under
  // the details where the atlas decided it; an empty text hides the line.
  void ShowClock(const QString& clock);
  // The fonts the window draws text in, the sign boxes' fitted ones included.
  QList<QFont> DrawnFonts() const;
  // Puts the focus on the window's first control in reading order, or its last.
  void FocusEnd(bool first);

 signals:
  // Tab on the window's last control, or Shift+Tab on its first: the focus leaves the window
  // (it would go round inside it otherwise, as the window is a window of its own).
  void tabbedOut(bool forward);

 protected:
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildChart();
  void BuildDetailsPanel();
  void BuildReadingPanel();
  void BuildForumLabels(LinkOpener& links);
  void ShowDesignCaptions();
  // The sizes made from the window's font (a sign's name row, the details' rows), again after
  // a change of language brings the language's typeface.
  void FitRowsToFont();
  // The sheet in the language in use; again after a change of language.
  void ShowSheet(const core::ResultSheet& sheet);
  QList<QWidget*> TabStops() const;
  // The personal details' rows (caption, value), the clock's last, spaced to fit their frame.
  void SpaceDetailRows();
  // Names each value after its caption ("Sun Rise, 06:41:00"), so a screen reader says what
  // the value is.
  void NameValues();

  QFrame* signBoxes_[12] = {};
  QHash<QLabel*, QLabel*> captions_;               // value label to its caption
  QList<QWidget*> tabOrder_;                       // the controls in reading order
  QList<std::pair<QLabel*, QLabel*>> detailRows_;  // caption and value, the clock's last
  std::optional<core::ResultSheet> sheet_;         // the reading shown, kept to show it again
  QString clock_;                                  // the clock used, as written, to show it again
};

}  // namespace ui

#pragma once
// The result window: the sign chart on the left, the person's details and planetary
// positions above, the Pataki Chakra details and the reading text below. It has no logic of
// its own beyond drawing a result sheet: every caption a reading writes lands in the child
// widget of that name.

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
  // Puts the focus on the window's first control in reading order, or its last.
  void FocusEnd(bool first);

 signals:
  // Tab on the window's last control, or Shift+Tab on its first: the focus leaves the window
  // (it would go round inside it otherwise, as the window is a window of its own).
  void tabbedOut(bool forward);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildChart();
  void BuildDetailsPanel();
  void BuildReadingPanel();
  void BuildForumLabels(LinkOpener& links);
  void ShowDesignCaptions();
  // The sheet in the language in use; again after a change of language.
  void ShowSheet(const core::ResultSheet& sheet);
  QList<QWidget*> TabStops() const;
  // Names each value after its caption ("Sun Rise, 06:41:00"), so a screen reader says what
  // the value is.
  void NameValues();

  QFrame* signBoxes_[12] = {};
  QHash<QLabel*, QLabel*> captions_;        // value label to its caption
  QList<QWidget*> tabOrder_;                // the controls in reading order
  std::optional<core::ResultSheet> sheet_;  // the reading shown, kept to show it again
  QString clock_;                           // the clock used, as written, to show it again
};

}  // namespace ui

#pragma once
// The result window: the sign chart on the left, the person's details and planetary
// positions above, the Pataki Chakra details and the reading text below. It has no logic of
// its own beyond drawing a result sheet: every caption a reading writes lands in the child
// widget of that name.

#include <QWidget>

#include "core/result_sheet.h"

class QFrame;

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

 private:
  void BuildChart();
  void BuildDetailsPanel();
  void BuildReadingPanel();
  void BuildForumLabels(LinkOpener& links);
  void ShowDesignCaptions();

  QFrame* signBoxes_[12] = {};
};

}  // namespace ui

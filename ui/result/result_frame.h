#pragma once
// The application frame: a title strip, the result window in the middle and a strip with
// Back and Exit at the bottom. It exists from a reading until Back or exit.

#include <QMainWindow>
#include <QSize>

#include "core/result_sheet.h"

class QMdiArea;
class QMdiSubWindow;
class QPushButton;

namespace ui {

class FrmDisplay;
class LinkOpener;

// Left edge of the result window: centred on the whole screen (not on the frame), but kept
// where it can be seen, between 0 and the room the frame's client area leaves beside it.
int ResultWindowLeft(int screenWidth, int windowWidth, int clientWidth);

// The one factor the result window is drawn at so that it and `around` it (the sub-window's
// title and borders, the frame's strips and menu) fit in `room`: 1 where the design size
// fits, smaller where it does not, never larger.
double ResultScale(QSize design, QSize around, QSize room);
// `size` drawn at `scale`, in whole pixels: a part of a pixel takes the whole pixel.
QSize ScaledSize(QSize size, double scale);

class MdiFrame : public QMainWindow {
  Q_OBJECT
 public:
  MdiFrame(const core::ResultSheet& sheet, LinkOpener& links, QWidget* parent = nullptr);

  FrmDisplay* Display() const { return display_; }
  // Shows the frame large enough for the whole result window, on a screen too small for it
  // with the result window drawn smaller, whole, until it fits.
  // Never smaller than its text stays legible (LegibleScale): the frame scrolls below that.
  void ShowFitted();
  // The same on a screen whose room for windows is `available` (none: as designed).
  void ShowFittedIn(const QRect& available);
  // The factor the result window is drawn at.
  double Scale() const { return scale_; }

 signals:
  void backRequested();
  void exitRequested();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  void BuildMenus(LinkOpener& links);
  void ApplyResizeRule();
  void DrawAt(double scale);

  QMdiArea* area_ = nullptr;
  QMdiSubWindow* subWindow_ = nullptr;
  FrmDisplay* display_ = nullptr;
  QPushButton* cmdBack_ = nullptr;
  QPushButton* cmdExit_ = nullptr;
  double scale_ = 1;
};

}  // namespace ui

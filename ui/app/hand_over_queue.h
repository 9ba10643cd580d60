#pragma once
// Files handed over by later starts of the program wait here until the running copy can open
// them: never while a modal dialog or a popup is up (opening a file replaces the result window,
// in which a dialog may be running), and one at a time (a file that cannot be opened brings up
// a message box of its own). A few may wait; beyond that a later start is told the copy is busy.

#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

#include "ui/common/services.h"

namespace ui {

class HandOverQueue : public QObject {
 public:
  // How many files may wait at once.
  static constexpr int kMostWaiting = 16;

  explicit HandOverQueue(std::function<void(const QString&)> open, QObject* parent = nullptr);

  // Takes a file to open from the event loop, soon or once the dialogs are closed; never
  // opens it from inside this call.
  HandOverAnswer Take(const QString& path);
  // True while a file taken is not yet opened.
  bool Waiting() const { return opening_ || !waiting_.isEmpty(); }

 private:
  void OpenNext();

  std::function<void(const QString&)> open_;
  QStringList waiting_;
  QTimer retry_;
  bool opening_ = false;
};

// True while a modal dialog (shown by Qt or by the desktop) or a popup is up.
bool DialogIsUp();

}  // namespace ui

#include "ui/app/hand_over_queue.h"

#include <QApplication>
#include <QWidget>

namespace ui {

namespace {

// How often waiting files look again whether the dialogs are closed. Short enough to seem at
// once when the person closes a dialog, long enough to cost nothing while one is up.
constexpr int kRetryMs = 50;

}  // namespace

bool DialogIsUp() {
  if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) return true;
  // A desktop's own file dialog runs behind a hidden stand-in that is still marked visible.
  const QWidgetList windows = QApplication::topLevelWidgets();
  return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
    return window->isVisible() && window->windowModality() != Qt::NonModal;
  });
}

HandOverQueue::HandOverQueue(std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent), open_(std::move(open)) {
  retry_.setInterval(kRetryMs);
  connect(&retry_, &QTimer::timeout, this, &HandOverQueue::OpenNext);
}

HandOverAnswer HandOverQueue::Take(const QString& path) {
  if (waiting_.size() >= kMostWaiting) return HandOverAnswer::Busy;
  waiting_ << path;
  retry_.start();
  QTimer::singleShot(0, this, &HandOverQueue::OpenNext);
  return opening_ || DialogIsUp() ? HandOverAnswer::Queued : HandOverAnswer::Taken;
}

void HandOverQueue::OpenNext() {
  // The timer also fires inside the message box an opened file may bring up.
  if (opening_ || waiting_.isEmpty() || DialogIsUp()) return;
  opening_ = true;
  open_(waiting_.takeFirst());
  opening_ = false;
  if (waiting_.isEmpty()) retry_.stop();
}

}  // namespace ui

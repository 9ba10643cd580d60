#include "ui/app/program.h"

#include <QTabWidget>
#include <QWidget>

#include "reading/reading.h"
#include "ui/app/birth_details_commands.h"
#include "ui/app/hand_over_queue.h"
#include "ui/app/reading_commands.h"
#include "ui/common/services.h"
#include "ui/form/birth_form.h"
#include "ui/output/file_dialogs.h"
#include "ui/result/dasha_tab.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"

namespace ui {

namespace {

// A hidden window's native window and backing store (an image of the whole window, about
// 1 MiB for the form) go while the frame is up, and show() makes them again. Only
// QWidget::destroy() frees the backing store (QWindow::destroy() leaves it), and it is
// protected: a class derived from QWidget may name it to form a pointer to it.
struct NativeWindow : QWidget {
  static void Release(QWidget& window) { (window.*&NativeWindow::destroy)(true, true); }
};

SystemClock systemClock;  // stateless

}  // namespace

Program::Program(Dialogs& dialogs, LinkOpener& links)
    : Program(dialogs, links, *new QtFileDialogs) {
  ownFiles_.reset(&files_);
}

Program::Program(Dialogs& dialogs, LinkOpener& links, FileDialogs& files)
    : dialogs_(dialogs),
      links_(links),
      files_(files),
      details_(new BirthDetailsCommands(dialogs, files, this)),
      handOvers_(new HandOverQueue([this](const QString& path) { OpenHandedOver(path); }, this)),
      form_(std::make_unique<FrmMain>(dialogs, links)),
      clock_(&systemClock) {
  connect(form_.get(), &FrmMain::readingRequested, this, &Program::RunReading);
  connect(form_.get(), &FrmMain::exitRequested, this, &Program::Exit);
  details_->AddToForm(*form_);
}

bool Program::OpenBirthDetails(const QString& path) {
  return details_->OpenFile(*form_, path);
}

void Program::OpenHandedOver(const QString& path) {
  if (exiting_) return;
  Back();
  form_->setWindowState(form_->windowState() & ~Qt::WindowMinimized);
  form_->show();
  form_->raise();
  form_->activateWindow();
  OpenBirthDetails(path);
}

HandOverAnswer Program::HandOver(const QString& path) {
  return handOvers_->Take(path);
}

bool Program::HandOverWaiting() const {
  return handOvers_->Waiting();
}

Program::~Program() {
  exiting_ = true;  // windows destroyed now must not ask to exit again
  frame_.reset();
  form_.reset();
}

void Program::Start() {
  form_->show();
}

void Program::RunReading() {
  core::ResultSheet sheet;
  if (auto refusal = reading::RunReading(form_->Entries(), record_, sheet)) {
    form_->ShowRefusal(*refusal);
    return;
  }
  form_->hide();
  // Released from the event loop: the request may come from inside an event the form's own
  // native window is delivering. The call is queued before the frame paints its first
  // picture, so the two backing stores never coexist; a Back before it keeps the window.
  QMetaObject::invokeMethod(
      form_.get(),
      [form = form_.get()] {
        if (form->isHidden()) NativeWindow::Release(*form);
      },
      Qt::QueuedConnection);
  DropFrame();
  frame_ = std::make_unique<MdiFrame>(sheet, links_);
  const std::string clock = form_->ClockSummary().toStdString();
  frame_->Display()->ShowClock(QString::fromStdString(clock));
  KeptReading kept{form_->Entries(), record_, sheet, clock, {}};
  KeepTiming(kept);
  if (auto* tabs = frame_->Display()->findChild<QTabWidget*>(QStringLiteral("SSTab1")))
    AddTimingTab(*tabs, kept.timing, record_.EphemerisFiles, kept.entries.calculation, *clock_);
  AddReadingCommands(*frame_, std::move(kept), dialogs_, files_, *details_);
  connect(frame_.get(), &MdiFrame::backRequested, this, &Program::Back);
  connect(frame_.get(), &MdiFrame::exitRequested, this, &Program::Exit);
  frame_->ShowFitted();
  frame_->activateWindow();
}

void Program::Back() {
  if (exiting_ || !frame_) return;
  DropFrame();
  form_->show();
  form_->activateWindow();
}

void Program::Exit() {
  if (exiting_) return;
  exiting_ = true;
  DropFrame();
  form_->close();
  emit finished();
}

void Program::DropFrame() {
  if (!frame_) return;
  // The frame may be inside one of its own signal handlers (its Back button): hide it now,
  // delete it once control is back in the event loop.
  frame_->disconnect(this);
  frame_->hide();
  frame_.release()->deleteLater();
}

}  // namespace ui

#include "ui/program.h"

#include "reading/reading.h"
#include "ui/frm_main.h"
#include "ui/mdi_frame.h"

namespace ui {

Program::Program(Dialogs& dialogs, LinkOpener& links)
    : links_(links), form_(std::make_unique<FrmMain>(dialogs, links)) {
  connect(form_.get(), &FrmMain::readingRequested, this, &Program::RunReading);
  connect(form_.get(), &FrmMain::exitRequested, this, &Program::Exit);
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
  DropFrame();
  frame_ = std::make_unique<MdiFrame>(sheet, links_);
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

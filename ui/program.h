#pragma once
// The program's two top-level windows taking turns: the birth-data form, and the frame with
// the result window, which exists only from a reading until Back or exit. Owns the one
// birth record of the run.

#include <QObject>
#include <memory>

#include "core/birth_record.h"

namespace ui {

class Dialogs;
class FrmMain;
class LinkOpener;
class MdiFrame;

class Program : public QObject {
  Q_OBJECT
 public:
  Program(Dialogs& dialogs, LinkOpener& links);
  ~Program() override;

  void Start();
  FrmMain* Form() const { return form_.get(); }
  MdiFrame* Frame() const { return frame_.get(); }
  const core::BirthRecord& Record() const { return record_; }

  // The reading: on refused entries the form says why and nothing else changes; otherwise
  // the form gives way to a new frame showing a new result window.
  void RunReading();
  // Drops the frame and its result window and shows the form with its entries as they were.
  void Back();
  // Closes every window; finished() then ends the process.
  void Exit();

 signals:
  void finished();

 private:
  void DropFrame();

  LinkOpener& links_;
  core::BirthRecord record_;
  std::unique_ptr<FrmMain> form_;
  std::unique_ptr<MdiFrame> frame_;
  bool exiting_ = false;
};

}  // namespace ui

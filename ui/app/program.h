#pragma once
// The program's two top-level windows taking turns: the birth-data form, and the frame with
// the result window, which exists only from a reading until Back or exit. Owns the one
// birth record of the run.

#include <QObject>
#include <memory>

#include "core/birth_record.h"
#include "ui/common/services.h"

namespace ui {

class BirthDetailsCommands;
class Clock;
class Dialogs;
class FileDialogs;
class FrmMain;
class HandOverQueue;
class LinkOpener;
class MdiFrame;

class Program : public QObject {
  Q_OBJECT
 public:
  Program(Dialogs& dialogs, LinkOpener& links);
  // With the given file dialogs (tests pass stand-ins) instead of the desktop's own.
  Program(Dialogs& dialogs, LinkOpener& links, FileDialogs& files);
  ~Program() override;

  void Start();
  // Fills the form from a birth-details file; a file it cannot take is reported and ignored.
  bool OpenBirthDetails(const QString& path);
  // A file another start of the program handed over: opened as Open does, over the form
  // (which comes back first if the result window is up), and the form comes to the front.
  void OpenHandedOver(const QString& path);
  // The same from the hand-over's listener: opened from the event loop, and only once no
  // dialog is up (a dialog may run in the result window that opening replaces).
  HandOverAnswer HandOver(const QString& path);
  // True while a file handed over waits to be opened.
  bool HandOverWaiting() const;
  FrmMain* Form() const { return form_.get(); }
  MdiFrame* Frame() const { return frame_.get(); }
  const core::BirthRecord& Record() const { return record_; }
  // Today, for the dasha running now (the system's clock unless a test sets one).
  void SetClock(Clock& clock) { clock_ = &clock; }

  // The reading: on refused entries the form says why and nothing else changes; otherwise
  // the form gives way to a new frame showing a new result window. The hidden form's native
  // window and backing store are released; Back makes them again.
  void RunReading();
  // Drops the frame and its result window and shows the form with its entries as they were.
  void Back();
  // Closes every window; finished() then ends the process.
  void Exit();

 signals:
  void finished();

 private:
  void DropFrame();

  Dialogs& dialogs_;
  LinkOpener& links_;
  std::unique_ptr<FileDialogs> ownFiles_;
  FileDialogs& files_;
  BirthDetailsCommands* details_ = nullptr;
  HandOverQueue* handOvers_ = nullptr;
  core::BirthRecord record_;
  std::unique_ptr<FrmMain> form_;
  std::unique_ptr<MdiFrame> frame_;
  bool exiting_ = false;
  Clock* clock_;
};

}  // namespace ui

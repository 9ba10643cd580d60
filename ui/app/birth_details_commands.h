#pragma once
// Open Birth Details and Save Birth Details: the form's entries to and from a file. Opening
// fills the form and runs no reading; a file the form cannot take changes nothing.

#include <QObject>
#include <QString>
#include <optional>

#include "core/birth_details.h"

class QAction;
class QMenu;
class QWidget;

namespace ui {

class Dialogs;
class FileDialogs;
class FrmMain;

class BirthDetailsCommands : public QObject {
  Q_OBJECT
 public:
  BirthDetailsCommands(Dialogs& dialogs, FileDialogs& files, QObject* parent = nullptr);

  // Adds Open (Ctrl+O) and Save (Ctrl+S) to the form's File menu, above Exit.
  void AddToForm(FrmMain& form);
  // Adds "Save Birth Details..." to `menu` before `before` (appended when null), saving `entries`.
  void AddSaveItem(QMenu& menu, QAction* before, QWidget* parent, const core::FormEntries& entries);

  // Asks for a file and opens it into the form.
  void Open(FrmMain& form);
  // Fills the form from the file; on a fault says what is wrong and changes nothing.
  bool OpenFile(FrmMain& form, const QString& path);
  // Asks for a path and saves the entries there.
  void Save(QWidget* parent, const core::FormEntries& entries);

 private:
  QString Folder() const;
  // The atlas place of the last file opened, while the entries still describe that place.
  std::optional<core::AtlasPlace> PlaceFor(const core::FormEntries& entries) const;

  // Where the file's place says the tz data gave another offset than today's: the message.
  std::optional<QString> OffsetChange(const QString& path, const core::BirthDetails& details);

  Dialogs& dialogs_;
  FileDialogs& files_;
  FrmMain* form_ = nullptr;
  QString folder_;  // where the last file was opened or saved
  std::optional<core::BirthDetails> opened_;
};

}  // namespace ui

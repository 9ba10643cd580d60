#include "ui/services.h"

#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>

namespace ui {

void MessageBoxDialogs::ShowMessage(QWidget* parent, const QString& text, reading::MessageIcon icon) {
  QMessageBox box(
      icon == reading::MessageIcon::Error ? QMessageBox::Critical : QMessageBox::Information,
      kAppTitle, text, QMessageBox::Ok, parent);
  box.exec();
}

int MessageBoxDialogs::AskChoice(QWidget* parent, const QString& text, const QStringList& options) {
  QMessageBox box(QMessageBox::Question, kAppTitle, text, QMessageBox::Cancel, parent);
  QList<QAbstractButton*> buttons;
  for (const QString& option : options) buttons << box.addButton(option, QMessageBox::AcceptRole);
  box.exec();
  return static_cast<int>(buttons.indexOf(box.clickedButton()));
}

void DesktopLinkOpener::Open(const QUrl& address) {
  QDesktopServices::openUrl(address);
}

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockPath) : lock_(lockPath) {
  // Only a dead owner makes a lock stale; a copy left running for days keeps its claim.
  lock_.setStaleLockTime(0);
}

bool LockFileInstanceGuard::AnotherIsRunning() {
  if (lock_.isLocked() || lock_.tryLock(0)) return false;
  // A lock that cannot be written at all (no such directory, no permission) must not keep
  // the program from starting; only a lock held by a live copy counts.
  return lock_.error() == QLockFile::LockFailedError;
}

QString LockFileInstanceGuard::DefaultLockPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(QStringLiteral("orvel-pataki-chakra.lock"));
}

}  // namespace ui

#include "ui/common/services.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QSysInfo>

#include "ui/common/program_texts.h"

namespace ui {

void MessageBoxDialogs::ShowMessage(QWidget* parent, const QString& text,
                                    reading::MessageIcon icon) {
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

DesktopLinkOpener::DesktopLinkOpener(Opener open, Teller tell)
    : open_(open ? std::move(open) : Opener(&QDesktopServices::openUrl)),
      tell_(tell ? std::move(tell) : [](const QString& message) {
        QMessageBox box(QMessageBox::Information, kAppTitle, message, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextFormat(Qt::PlainText);
        // The address is there to be copied.
        box.setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        box.exec();
      }) {}

void DesktopLinkOpener::Open(const QUrl& address) {
  if (!open_(address)) tell_(UnopenedMessage(address));
}

QString DesktopLinkOpener::UnopenedMessage(const QUrl& address) {
  return QStringLiteral(
             "No web browser could be started for this page. To visit it, copy its "
             "address into a browser:\n\n%1")
      .arg(address.toString());
}

namespace {

// A copy starting at this moment creates its lock empty and writes its owner just after; a
// lock whose owner still cannot be read this long after its last change was left half-written
// by a crash.
constexpr qint64 kUnwrittenLockMs = 5000;

}  // namespace

LockFileInstanceGuard::LockFileInstanceGuard(const QString& lockPath) : lock_(lockPath) {
  // Only a dead owner makes a lock stale; a copy left running for days keeps its claim. (Qt
  // itself takes over a lock of a dead process on this host; Abandoned() covers the rest.)
  lock_.setStaleLockTime(0);
}

bool LockFileInstanceGuard::AnotherIsRunning() {
  if (lock_.isLocked() || lock_.tryLock(0)) return false;
  // A lock that cannot be written at all (no such directory, no permission) must not keep
  // the program from starting; only a lock held by a live copy counts.
  if (lock_.error() != QLockFile::LockFailedError) return false;
  if (!Abandoned()) return true;
  // Removal fails while a live owner holds the file's system lock, so a live copy is safe.
  return !(lock_.removeStaleLockFile() && lock_.tryLock(0));
}

bool LockFileInstanceGuard::Abandoned() const {
  qint64 pid = 0;
  QString host, application;
  if (lock_.getLockInfo(&pid, &host, &application))
    return !host.isEmpty() && host != QSysInfo::machineHostName();
  const QFileInfo file(lock_.fileName());
  if (!file.exists()) return false;
  return file.lastModified().msecsTo(QDateTime::currentDateTime()) > kUnwrittenLockMs;
}

QString LockFileInstanceGuard::DefaultLockPath() {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  return QDir(dir).filePath(QStringLiteral("orvel-pataki-chakra.lock"));
}

}  // namespace ui

#pragma once
// The three places where the program touches the desktop: message boxes, opening a web
// address, and the copy that is already running (the test for it, and handing it a file). The
// windows talk to these interfaces only, so the Qt tests record what would be shown or opened
// instead of blocking.

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>
#include <functional>
#include <memory>

#include "reading/validate_entries.h"

class QWidget;

namespace ui {

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  // A modal message with one OK button, titled with the application's title.
  virtual void ShowMessage(QWidget* parent, const QString& text, reading::MessageIcon icon) = 0;
  // A modal question with one button per option; the index of the option taken, -1 if none.
  virtual int AskChoice(QWidget* parent, const QString& text, const QStringList& options) = 0;
};

class LinkOpener {
 public:
  virtual ~LinkOpener() = default;
  // Hands the address to the desktop's default browser; failures are ignored.
  virtual void Open(const QUrl& address) = 0;
};

// What the running copy answers a file handed to it: taken (opened at once), queued (opened
// once the dialog it shows is closed), busy (too many files wait: not taken), or no answer.
enum class HandOverAnswer { Taken, Queued, Busy, NoAnswer };

class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;
  virtual bool AnotherIsRunning() = 0;
  // Gives the running copy a file to open (an absolute path).
  virtual HandOverAnswer HandOver(const QString& path) = 0;
  // In the copy that holds the lock: `take` runs, from the event loop, with each file another
  // copy hands over; what it returns is the answer. It must not block (no dialog).
  virtual void ListenForFiles(std::function<HandOverAnswer(const QString&)> take) = 0;
};

// Today, for what the windows show as running now (the current dasha); tests set it.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::chrono::sys_seconds Now() = 0;
};

class SystemClock final : public Clock {
 public:
  std::chrono::sys_seconds Now() override {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::system_clock::now());
  }
};

class MessageBoxDialogs final : public Dialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text, reading::MessageIcon icon) override;
  int AskChoice(QWidget* parent, const QString& text, const QStringList& options) override;
};

// Where the desktop opens no browser, says so in a message that holds the address to copy.
class DesktopLinkOpener final : public LinkOpener {
 public:
  using Opener = std::function<bool(const QUrl&)>;
  using Teller = std::function<void(const QString& message)>;
  // By default QDesktopServices opens, and a message box over the active window tells.
  explicit DesktopLinkOpener(Opener open = {}, Teller tell = {});
  void Open(const QUrl& address) override;
  // The message for an address that could not be opened.
  static QString UnopenedMessage(const QUrl& address);

 private:
  Opener open_;
  Teller tell_;
};

// Holds a lock file for as long as it lives. A lock left behind by a copy that crashed is
// taken over: one whose process is gone, one naming another host (a home directory shared
// between machines), and one whose owner cannot be read (a crash while it was written) once it
// is a few seconds old, since a copy starting at the same moment may not have written it yet.
// A lock that cannot be used (no folder of the user's own for it, a path that is not a
// regular file: a directory, a dangling symlink) lets the program start, alone.
// Files are handed over through a Unix socket beside the lock, owner-only, listened on by the
// copy that holds the lock.
class LockFileInstanceGuard final : public InstanceGuard {
 public:
  explicit LockFileInstanceGuard(const QString& lockPath = DefaultLockPath());
  ~LockFileInstanceGuard() override;
  bool AnotherIsRunning() override;
  HandOverAnswer HandOver(const QString& path) override;
  void ListenForFiles(std::function<HandOverAnswer(const QString&)> take) override;
  // In the user's runtime folder, else in a per-user folder of the temporary folder; empty
  // when neither is a folder of the user's own.
  static QString DefaultLockPath();
  QString SocketPath() const;

 private:
  bool Abandoned() const;

  QLockFile lock_;
  class Listener;
  std::unique_ptr<Listener> listener_;
};

// True when `path` is a folder (not a symlink) that this user owns and no one else may
// enter; one that does not exist is made so.
bool IsOwnPrivateFolder(const QString& path);

}  // namespace ui

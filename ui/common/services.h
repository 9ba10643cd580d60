#pragma once
// The three places where the program touches the desktop: message boxes, opening a web
// address, and the test for a copy that is already running. The windows talk to these
// interfaces only, so the Qt tests record what would be shown or opened instead of blocking.

#include <QLockFile>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <chrono>

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

class InstanceGuard {
 public:
  virtual ~InstanceGuard() = default;
  virtual bool AnotherIsRunning() = 0;
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

class DesktopLinkOpener final : public LinkOpener {
 public:
  void Open(const QUrl& address) override;
};

// Holds a lock file for as long as it lives. A lock left behind by a copy that crashed is
// taken over: one whose process is gone, one naming another host (a home directory shared
// between machines), and one whose owner cannot be read (a crash while it was written) once it
// is a few seconds old, since a copy starting at the same moment may not have written it yet.
class LockFileInstanceGuard final : public InstanceGuard {
 public:
  explicit LockFileInstanceGuard(const QString& lockPath = DefaultLockPath());
  bool AnotherIsRunning() override;
  static QString DefaultLockPath();

 private:
  bool Abandoned() const;

  QLockFile lock_;
};

}  // namespace ui

#pragma once
// Stand-ins for the desktop: they record what the program would show or open.

#include <QList>
#include <QStandardPaths>
#include <QString>
#include <QUrl>
#include <QWidget>

#include "ui/common/services.h"

namespace ui::testing {

// Every suite reads and writes settings under Qt's test-mode paths, so a preference kept by
// the person running them never changes their results.
inline const bool kTestModePaths = (QStandardPaths::setTestModeEnabled(true), true);

struct Message {
  QString text;
  reading::MessageIcon icon;
  QWidget* parent;
};

class RecordingDialogs final : public Dialogs {
 public:
  void ShowMessage(QWidget* parent, const QString& text, reading::MessageIcon icon) override {
    messages.append({text, icon, parent});
  }
  QStringList Texts() const {
    QStringList texts;
    for (const Message& m : messages) texts << m.text;
    return texts;
  }
  // Answers the questions from `answers` in order; with none left, as if cancelled.
  int AskChoice(QWidget*, const QString& text, const QStringList& options) override {
    questions.append({text, options});
    return answers.isEmpty() ? -1 : answers.takeFirst();
  }
  QList<Message> messages;
  QList<int> answers;
  QList<QPair<QString, QStringList>> questions;
};

class RecordingLinks final : public LinkOpener {
 public:
  void Open(const QUrl& address) override { opened.append(address); }
  QList<QUrl> opened;
};

// Another copy runs (or not) and takes the files handed to it (or not).
class FakeInstanceGuard final : public InstanceGuard {
 public:
  bool AnotherIsRunning() override { return running; }
  HandOverAnswer HandOver(const QString& path) override {
    handed << path;
    return answer;
  }
  void ListenForFiles(std::function<HandOverAnswer(const QString&)> take) override {
    listening = std::move(take);
  }
  bool running = false;
  HandOverAnswer answer = HandOverAnswer::Taken;
  QStringList handed;
  std::function<HandOverAnswer(const QString&)> listening;
};

// A clock that stands where the test puts it.
class FixedClock final : public Clock {
 public:
  std::chrono::sys_seconds Now() override { return now; }
  std::chrono::sys_seconds now{};
};

}  // namespace ui::testing

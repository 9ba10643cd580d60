#pragma once
// A stand-in for the file dialogs: it answers with a path set by the test and records what
// was proposed.

#include <QString>
#include <QStringList>

#include "ui/output/file_dialogs.h"

namespace ui::testing {

class AnsweringFileDialogs final : public FileDialogs {
 public:
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&) override {
    return answer;
  }
  QString SaveFileName(QWidget*, const QString&, const QString& proposed, const QString&) override {
    proposals << proposed;
    return answer;
  }
  std::optional<QString> Print(QWidget*, const std::function<void(QPagedPaintDevice&)>&) override {
    ++prints;
    return std::nullopt;
  }

  QString answer;  // the path the user "chose"; empty for Cancel
  QStringList proposals;
  int prints = 0;
};

}  // namespace ui::testing

#pragma once
// Where the program asks the user for a file or a printer. The windows ask this interface
// only, so the Qt tests answer with a path instead of blocking on a modal dialog.

#include <QString>
#include <functional>
#include <optional>

class QPagedPaintDevice;
class QWidget;

namespace ui {

class FileDialogs {
 public:
  virtual ~FileDialogs() = default;
  // The chosen file's path, or the empty text when the user cancelled.
  virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                               const QString& filter) = 0;
  // The chosen path for a new file; `proposed` is the path offered at first.
  virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                               const QString& filter) = 0;
  // Lets the user preview and print; `paint` draws the pages on the printer chosen. On
  // failure, why printing is not available.
  virtual std::optional<QString> Print(QWidget* parent,
                                       const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};

class QtFileDialogs final : public FileDialogs {
 public:
  QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) override;
  QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                       const QString& filter) override;
  std::optional<QString> Print(QWidget* parent,
                               const std::function<void(QPagedPaintDevice&)>& paint) override;
};

}  // namespace ui

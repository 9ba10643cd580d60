#include "ui/output/file_dialogs.h"

#include <QCoreApplication>
#include <QFileDialog>

#include "ui/output/printer_module.h"
#include "ui/output/reading_page.h"

namespace ui {

QString QtFileDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtFileDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

std::optional<QString> QtFileDialogs::Print(QWidget* parent,
                                            const std::function<void(QPagedPaintDevice&)>& paint) {
  // The printer exists only while the user prints: nothing of it is loaded at start-up.
  auto module = LoadPrinterModule(PrinterModuleFolders(QCoreApplication::applicationDirPath()));
  if (auto* problem = std::get_if<QString>(&module)) return *problem;
  std::get<PrinterModule*>(module)->Preview(parent, SetUpPage, paint);
  return std::nullopt;
}

}  // namespace ui

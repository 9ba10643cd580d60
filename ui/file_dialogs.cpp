#include "ui/file_dialogs.h"

#include <QFileDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/reading_page.h"

namespace ui {

QString QtFileDialogs::OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                                    const QString& filter) {
  return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString QtFileDialogs::SaveFileName(QWidget* parent, const QString& caption,
                                    const QString& proposed, const QString& filter) {
  return QFileDialog::getSaveFileName(parent, caption, proposed, filter);
}

void QtFileDialogs::Print(QWidget* parent, const std::function<void(QPrinter&)>& paint) {
  // The printer exists only while the user prints: nothing of it is made at start-up.
  QPrinter printer(QPrinter::HighResolution);
  SetUpPage(printer);
  QPrintPreviewDialog preview(&printer, parent);
  preview.setObjectName(QStringLiteral("dlgPrintPreview"));
  preview.setAccessibleName(QStringLiteral("Print preview"));
  QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                   [&paint](QPrinter* chosen) { paint(*chosen); });
  preview.exec();
}

}  // namespace ui

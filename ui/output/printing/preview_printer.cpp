// The printing module: Qt's printer, print dialog and preview, kept out of the program so its
// library is loaded only when the user prints (see ui/output/printer_module.h).
#include <QObject>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "ui/output/printer_module.h"

namespace ui {

class PreviewPrinter final : public QObject, public PrinterModule {
  Q_OBJECT
  Q_PLUGIN_METADATA(IID OPC_PRINTER_MODULE_IID)
  Q_INTERFACES(ui::PrinterModule)

 public:
  void Preview(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& setUp,
               const std::function<void(QPagedPaintDevice&)>& paint) override {
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("dlgPrintPreview"));
    preview.setAccessibleName(QStringLiteral("Print preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* chosen) { paint(*chosen); });
    preview.exec();
  }
};

}  // namespace ui

#include "preview_printer.moc"

// The printing module: Qt's printer, print dialog and preview, kept out of the program so its
// library is loaded only when the user prints (see ui/output/printer_module.h).
#include <QAction>
#include <QCoreApplication>
#include <QObject>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>

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
    preview.setAccessibleName(QCoreApplication::translate("Printing", "Print preview"));
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                     [&paint](QPrinter* chosen) { paint(*chosen); });
    FitToScreen(preview);
    preview.exec();
  }

 private:
  // On a small screen the preview's tool bar is cut, and what is cut goes behind "»": Print
  // and Page Setup, the bar's last two, move to its front where they always show. The dialog
  // takes at most the screen's room.
  static void FitToScreen(QPrintPreviewDialog& preview) {
    if (auto* bar = preview.findChild<QToolBar*>()) {
      QList<QAction*> actions = bar->actions();
      while (!actions.isEmpty() && actions.last()->isSeparator()) actions.removeLast();
      if (actions.size() > 2) {
        QAction* first = actions.first();
        const QList<QAction*> printing = actions.mid(actions.size() - 2);
        bar->insertActions(first, printing);
        bar->insertSeparator(first);
      }
    }
    // The page whole at a size to read it by: most of the screen's height, and as wide as a
    // page that high. The dialog's own size is its tool bar's (778 × 109), where the page came
    // out at 5 %.
    if (QScreen* screen = preview.screen()) {
      const QSize room = screen->availableGeometry().size() - QSize(16, 48);
      const int height = room.height() * 9 / 10;
      const QSize page(height * 3 / 4, height);
      preview.resize(preview.sizeHint().expandedTo(page).boundedTo(room));
    }
    if (auto* pages = preview.findChild<QPrintPreviewWidget*>()) pages->fitInView();
  }
};

}  // namespace ui

#include "preview_printer.moc"

#pragma once
// Printing is a module of its own (ui/output/printing), loaded the first time the user prints. Qt's
// print support library would otherwise be loaded and relocated at every start, for a command
// most readings never use, taking memory and start-up time.

#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <functional>
#include <variant>

class QPagedPaintDevice;
class QWidget;

namespace ui {

// What the module offers.
class PrinterModule {
 public:
  virtual ~PrinterModule() = default;
  // Lets the user choose a printer and preview the pages; `setUp` sets the paper of the
  // printer first, `paint` draws the pages on it.
  virtual void Preview(QWidget* parent, const std::function<void(QPagedPaintDevice&)>& setUp,
                       const std::function<void(QPagedPaintDevice&)>& paint) = 0;
};

// The file the module is built as.
inline constexpr char kPrinterModuleFile[] = "printing.so";

// The folders the module is looked for in, first to last: the program's own folder (a build
// tree), then the installed module folder, found relative to the program so the package may
// be installed under any prefix.
QStringList PrinterModuleFolders(const QString& programFolder);

// The module from the first of `folders` that has it, or why none could be loaded.
std::variant<PrinterModule*, QString> LoadPrinterModule(const QStringList& folders);

}  // namespace ui

#define OPC_PRINTER_MODULE_IID "com.orvelsoftware.patakichakra.PrinterModule/1"
Q_DECLARE_INTERFACE(ui::PrinterModule, OPC_PRINTER_MODULE_IID)

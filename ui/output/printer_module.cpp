#include "ui/output/printer_module.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

#include "ui/common/filled_template.h"

#ifndef OPC_PRINTER_MODULE_FROM_PROGRAM
#error \
    "OPC_PRINTER_MODULE_FROM_PROGRAM (the installed module folder, relative to the program) is set by CMake"
#endif

namespace ui {

QStringList PrinterModuleFolders(const QString& programFolder) {
  const QDir program(programFolder);
  return {program.absolutePath(),
          QDir::cleanPath(program.filePath(QStringLiteral(OPC_PRINTER_MODULE_FROM_PROGRAM)))};
}

std::variant<PrinterModule*, QString> LoadPrinterModule(const QStringList& folders) {
  for (const QString& folder : folders) {
    const QString path = QDir(folder).filePath(QLatin1String(kPrinterModuleFile));
    if (!QFileInfo(path).isFile()) continue;
    // Qt keeps a loaded plugin until the program ends, whatever becomes of the loader.
    QPluginLoader loader(path);
    QObject* root = loader.instance();
    if (auto* module = qobject_cast<PrinterModule*>(root)) return module;
    return Filled(
        QCoreApplication::translate(
            "Printing",
            "Printing is not available: the printing module %1 could not be "
            "loaded (%2)."),
        {QDir::toNativeSeparators(path),
         root ? QCoreApplication::translate("Printing", "it is not this program's printing module")
              : loader.errorString()});
  }
  return Filled(
      QCoreApplication::translate(
          "Printing", "Printing is not available: the printing module %1 was not found in %2."),
      {QLatin1String(kPrinterModuleFile),
       QDir::toNativeSeparators(folders.join(QStringLiteral(", ")))});
}

}  // namespace ui

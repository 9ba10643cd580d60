// The printing module is found beside the program or where the package installs it; a missing
// or foreign module gives a message instead.

#include "ui/output/printer_module.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class PrinterModuleTest : public QObject {
  Q_OBJECT

 private slots:
  void modulesAreFoundOrExplained_data() {
    QTest::addColumn<QString>("source");   // the file put there; empty: none
    QTest::addColumn<QString>("folder");   // where, under the prefix
    QTest::addColumn<QString>("problem");  // part of the message; empty when it loads
    const QString offscreen =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/platforms/libqoffscreen.so";
    QTest::newRow("beside the program") << OPC_PRINTER_MODULE << "bin"
                                        << "";
    QTest::newRow("installed") << OPC_PRINTER_MODULE << OPC_MODULE_DIR << "";
    QTest::newRow("nowhere") << ""
                             << "bin"
                             << "was not found in";
    QTest::newRow("no module") << QFINDTESTDATA("printer_module_test.cpp") << "bin"
                               << "could not be loaded";
    QTest::newRow("another's module") << offscreen << "bin"
                                      << "could not be loaded";
  }

  void modulesAreFoundOrExplained() {
    QFETCH(QString, source);
    QFETCH(QString, folder);
    QFETCH(QString, problem);
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(folder) && QDir(root.path()).mkpath("bin"));
    if (!source.isEmpty())
      QVERIFY(QFile::copy(source, QDir(root.filePath(folder)).filePath(ui::kPrinterModuleFile)));
    const auto module = ui::LoadPrinterModule(ui::PrinterModuleFolders(root.filePath("bin")));
    const auto* message = std::get_if<QString>(&module);
    if (problem.isEmpty()) {
      QVERIFY2(!message && std::get<ui::PrinterModule*>(module),
               qPrintable(message ? *message : ""));
    } else {
      QVERIFY(message);
      QVERIFY2(message->startsWith("Printing is not available") && message->contains(problem),
               qPrintable(*message));
    }
  }
};

QTEST_MAIN(PrinterModuleTest)
#include "printer_module_test.moc"

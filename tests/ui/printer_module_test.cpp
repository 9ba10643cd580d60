// The printing module is found beside the program or where the package installs it, and a
// missing or foreign module gives a message instead of printing.

#include "ui/printer_module.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class PrinterModuleTest : public QObject {
  Q_OBJECT

 private slots:
  void modulesAreFoundOrExplained_data() {
    QTest::addColumn<QString>("layout");   // what the program's folders hold
    QTest::addColumn<QString>("problem");  // part of the message; empty when it loads
    QTest::newRow("beside the program (a build tree)") << "beside"
                                                       << "";
    QTest::newRow("installed, relative to the program") << "installed"
                                                        << "";
    QTest::newRow("nowhere") << "none"
                             << "was not found in";
    QTest::newRow("a file that is no module") << "garbage"
                                              << "could not be loaded";
    QTest::newRow("another program's module") << "foreign"
                                              << "could not be loaded";
  }

  void modulesAreFoundOrExplained() {
    QFETCH(QString, layout);
    QFETCH(QString, problem);
    QTemporaryDir root;
    const QDir bin(root.filePath("bin"));
    QVERIFY(QDir().mkpath(bin.path()));
    const QString installed = root.filePath(QStringLiteral(OPC_MODULE_DIR));
    QVERIFY(QDir().mkpath(installed));
    const QString file = QString::fromLatin1(ui::kPrinterModuleFile);
    if (layout == "beside") QVERIFY(QFile::copy(OPC_PRINTER_MODULE, bin.filePath(file)));
    if (layout == "installed")
      QVERIFY(QFile::copy(OPC_PRINTER_MODULE, QDir(installed).filePath(file)));
    if (layout == "garbage") {
      QFile junk(bin.filePath(file));
      QVERIFY(junk.open(QIODevice::WriteOnly) && junk.write("not a module") > 0);
    }
    // Qt's own plugins load but offer no printer.
    if (layout == "foreign") {
      const QString plugin = QLibraryInfo::path(QLibraryInfo::PluginsPath) +
                             QStringLiteral("/platforms/libqoffscreen.so");
      if (!QFile::exists(plugin)) QSKIP("no offscreen platform plugin to stand in");
      QVERIFY(QFile::copy(plugin, bin.filePath(file)));
    }

    const auto module = ui::LoadPrinterModule(ui::PrinterModuleFolders(bin.path()));
    if (problem.isEmpty()) {
      const auto* message = std::get_if<QString>(&module);
      QVERIFY2(!message, qPrintable(message ? *message : QString()));
      QVERIFY(std::get<ui::PrinterModule*>(module) != nullptr);
    } else {
      QVERIFY(std::holds_alternative<QString>(module));
      const QString& message = std::get<QString>(module);
      QVERIFY2(message.startsWith("Printing is not available") && message.contains(problem),
               qPrintable(message));
    }
  }
};

QTEST_MAIN(PrinterModuleTest)
#include "printer_module_test.moc"

// The printing module is found beside the program or where the package installs it; a missing
// or foreign module gives a message instead.

#include "ui/output/printer_module.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
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

  // On a small screen the preview keeps Print in sight: first on its tool bar, where "»"
  // never hides it, and the dialog no larger than the screen. It opens with most of the
  // screen's height for the page, shown whole and large enough to read (it opened at the
  // tool bar's height, the page at 5 %).
  void previewKeepsPrintInSight() {
    const auto module = ui::LoadPrinterModule({QFileInfo(OPC_PRINTER_MODULE).absolutePath()});
    auto* const* printer = std::get_if<ui::PrinterModule*>(&module);
    QVERIFY(printer);
    QStringList firstActions;
    QSize size, room;
    qreal zoom = 0;
    QTimer::singleShot(0, [&] {
      auto* preview = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!preview) return;
      if (auto* bar = preview->findChild<QToolBar*>())
        for (QAction* action : bar->actions().mid(0, 2)) firstActions << action->text();
      size = preview->size();
      room = preview->screen()->availableGeometry().size();
      if (auto* pages = preview->findChild<QPrintPreviewWidget*>()) zoom = pages->zoomFactor();
      preview->reject();
    });
    (*printer)->Preview(
        nullptr, [](QPagedPaintDevice&) {}, [](QPagedPaintDevice&) {});
    QVERIFY2(firstActions.join(",").contains("Print"), qPrintable(firstActions.join(",")));
    QVERIFY(size.width() <= room.width() && size.height() <= room.height());
    QVERIFY2(
        size.height() >= room.height() * 8 / 10 && zoom >= 0.25,
        qPrintable(QStringLiteral("%1 x %2 at %3").arg(size.width()).arg(size.height()).arg(zoom)));
  }
};

QTEST_MAIN(PrinterModuleTest)
#include "printer_module_test.moc"

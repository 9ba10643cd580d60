#include <QApplication>
#include <QIcon>

#include "ui/headless_export.h"
#include "ui/program.h"
#include "ui/services.h"

int main(int argc, char** argv) {
  // --pdf and --png write a saved reading without a window, before any desktop is touched.
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  if (const auto request = ui::ExportRequestFromArguments(arguments))
    return ui::RunHeadlessExport(argc, argv, *request);

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvel-pataki-chakra"));
  QApplication::setDesktopFileName(QStringLiteral("orvel-pataki-chakra"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orvel-pataki-chakra.png")));
  // The program ends on Exit or when either window is closed, not when the form is hidden.
  QApplication::setQuitOnLastWindowClosed(false);

  ui::MessageBoxDialogs dialogs;
  ui::DesktopLinkOpener links;
  ui::LockFileInstanceGuard guard;
  if (guard.AnotherIsRunning()) {
    dialogs.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                        reading::MessageIcon::Information);
    return 0;
  }

  ui::Program program(dialogs, links);
  QObject::connect(&program, &ui::Program::finished, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  program.Start();
  // A birth-details file named on the command line fills the form.
  const QStringList given = QApplication::arguments();
  for (qsizetype i = 1; i < given.size(); ++i)
    if (!given[i].startsWith(QLatin1Char('-'))) {
      program.OpenBirthDetails(given[i]);
      break;
    }
  return app.exec();
}

#include <QApplication>
#include <QIcon>

#include "ui/program.h"
#include "ui/services.h"

int main(int argc, char** argv) {
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
  return app.exec();
}

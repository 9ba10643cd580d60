#include "ui/help/help_menu.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/common/web_links.h"
#include "ui/help/about_box.h"

namespace ui {

namespace {

QAction* AddItem(QMenu* menu, const QString& text, const char* name) {
  QAction* item = menu->addAction(text);
  item->setObjectName(QLatin1String(name));
  return item;
}

}  // namespace

QMenu* AddHelpMenu(QMainWindow* window, LinkOpener& links, const char* firstSeparator,
                   const char* secondSeparator) {
  QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QObject::connect(AddItem(help, QStringLiteral("&Online Help"), "mnuOnline"), &QAction::triggered,
                   window, [&links] { OpenHelpPage(links); });
  QObject::connect(AddItem(help, QStringLiteral("&Visit Us Online"), "mnuVisit"),
                   &QAction::triggered, window, [&links] { OpenHomePage(links); });
  help->addSeparator()->setObjectName(QLatin1String(firstSeparator));
  QObject::connect(AddItem(help, QStringLiteral("Check for Software &Update"), "mnuUpdate"),
                   &QAction::triggered, window, [&links] { OpenDownloadPage(links); });
  help->addSeparator()->setObjectName(QLatin1String(secondSeparator));
  QObject::connect(AddItem(help, QStringLiteral("&About Software"), "mnuAbout"),
                   &QAction::triggered, window, [window, &links] { ShowAbout(window, links); });
  return help;
}

}  // namespace ui

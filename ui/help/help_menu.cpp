#include "ui/help/help_menu.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/common/language.h"
#include "ui/common/web_links.h"
#include "ui/help/about_box.h"

namespace ui {

namespace {

QAction* AddItem(QMenu* menu, const char* text, const char* name) {
  QAction* item = menu->addAction(QString());
  item->setObjectName(QLatin1String(name));
  SetTranslated(item, "text", "HelpMenu", text);
  return item;
}

}  // namespace

QMenu* AddHelpMenu(QMainWindow* window, LinkOpener& links, const char* firstSeparator,
                   const char* secondSeparator) {
  QMenu* help = window->menuBar()->addMenu(QString());
  SetTranslated(help, "title", "HelpMenu", QT_TRANSLATE_NOOP("HelpMenu", "&Help"));
  help->setObjectName(QStringLiteral("mnuHelp"));
  QObject::connect(AddItem(help, QT_TRANSLATE_NOOP("HelpMenu", "&Online Help"), "mnuOnline"),
                   &QAction::triggered, window, [&links] { OpenHelpPage(links); });
  QObject::connect(AddItem(help, QT_TRANSLATE_NOOP("HelpMenu", "&Visit Us Online"), "mnuVisit"),
                   &QAction::triggered, window, [&links] { OpenHomePage(links); });
  help->addSeparator()->setObjectName(QLatin1String(firstSeparator));
  QObject::connect(
      AddItem(help, QT_TRANSLATE_NOOP("HelpMenu", "Check for Software &Update"), "mnuUpdate"),
      &QAction::triggered, window, [&links] { OpenDownloadPage(links); });
  help->addSeparator()->setObjectName(QLatin1String(secondSeparator));
  QObject::connect(AddItem(help, QT_TRANSLATE_NOOP("HelpMenu", "&About Software"), "mnuAbout"),
                   &QAction::triggered, window, [window, &links] { ShowAbout(window, links); });
  return help;
}

}  // namespace ui

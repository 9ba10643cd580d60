#include "ui/common/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/common/language.h"

namespace ui {

QString LanguageItemName(Language language) {
  return QStringLiteral("mnu") + FromTable(RowOf(language).englishName);
}

QMenu* AddLanguageMenu(QMainWindow* window, QAction* before) {
  auto* menu = new QMenu(window->menuBar());
  menu->setObjectName(QStringLiteral("mnuLanguage"));
  window->menuBar()->insertMenu(before, menu);
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  for (const Language language : kLanguages) {
    // Each language by its own name, in every language: the one a person reads is found.
    QAction* item = menu->addAction(Autonym(language));
    item->setObjectName(LanguageItemName(language));
    item->setCheckable(true);
    group->addAction(item);
    QObject::connect(item, &QAction::triggered, menu, [language] {
      SaveLanguagePreference(language);
      UseLanguage(language);
    });
  }
  WhenTranslated(menu, [menu, group] {
    menu->setTitle(QCoreApplication::translate("LanguageMenu", "&Language"));
    menu->setAccessibleName(QCoreApplication::translate("LanguageMenu", "Language"));
    const QList<QAction*> items = group->actions();
    for (qsizetype i = 0; i < items.size(); ++i)
      items[i]->setChecked(kLanguages[i] == CurrentLanguage());
  });
  return menu;
}

}  // namespace ui

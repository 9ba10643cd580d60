#include "ui/common/language_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

#include "ui/common/language.h"

namespace ui {

namespace {

constexpr const char* kItemNames[] = {"mnuEnglish", "mnuHindi", "mnuTamil"};

}  // namespace

QMenu* AddLanguageMenu(QMainWindow* window, QAction* before) {
  auto* menu = new QMenu(window->menuBar());
  menu->setObjectName(QStringLiteral("mnuLanguage"));
  window->menuBar()->insertMenu(before, menu);
  auto* group = new QActionGroup(menu);
  group->setExclusive(true);
  for (std::size_t i = 0; i < std::size(kLanguages); ++i) {
    const Language language = kLanguages[i];
    // Each language by its own name, in every language: the one a person reads is found.
    QAction* item = menu->addAction(Autonym(language));
    item->setObjectName(QLatin1String(kItemNames[i]));
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

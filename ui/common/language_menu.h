#pragma once
// The Language menu, the same in the birth-data form and the frame: English, हिन्दी, தமிழ்,
// each named in its own language, in the language table's order. A pick is applied at once to
// every open window and kept in the settings file.

#include <QString>

#include "ui/common/language_table.h"

class QAction;
class QMainWindow;
class QMenu;

namespace ui {

// The language's item in the menu: "mnu" and its English name ("mnuHindi").
QString LanguageItemName(Language language);

// Adds the menu ("mnuLanguage") to the window's menu bar before `before` (appended when null).
QMenu* AddLanguageMenu(QMainWindow* window, QAction* before);

}  // namespace ui

#pragma once
// The Language menu, the same in the birth-data form and the frame: English, हिन्दी, தமிழ்,
// each named in its own language. A pick is applied at once to every open window and kept in
// the settings file.

class QAction;
class QMainWindow;
class QMenu;

namespace ui {

// Adds the menu ("mnuLanguage") to the window's menu bar before `before` (appended when null).
QMenu* AddLanguageMenu(QMainWindow* window, QAction* before);

}  // namespace ui

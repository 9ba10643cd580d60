#pragma once
// The Help menu, the same in the birth-data form and the frame: online help, the home page,
// the download page and the about box. Only the separators' object names differ per window.

class QMainWindow;
class QMenu;

namespace ui {

class LinkOpener;

// Adds the Help menu ("mnuHelp") to the window's menu bar and returns it.
QMenu* AddHelpMenu(QMainWindow* window, LinkOpener& links, const char* firstSeparator,
                   const char* secondSeparator);

}  // namespace ui

#pragma once
// The about box: the program's name, what it does, and a link to the maker's home page.

#include <QDialog>

namespace ui {

class LinkOpener;

class FrmAbout : public QDialog {
  Q_OBJECT
 public:
  FrmAbout(LinkOpener& links, QWidget* parent = nullptr);
};

// Shows the about box modal over the parent and returns once it is closed.
void ShowAbout(QWidget* parent, LinkOpener& links);

}  // namespace ui

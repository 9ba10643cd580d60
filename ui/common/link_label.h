#pragma once
// A label that opens a web page: by mouse click, or from the keyboard with Space or Enter.

#include <QLabel>

namespace ui {

class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& text, QWidget* parent);

 signals:
  void activated();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace ui

#pragma once
// A label that opens a web page: by mouse click, or from the keyboard with Space or Enter. It
// shows the keyboard focus with the style's focus frame.

#include <QColor>
#include <QLabel>

namespace ui {

class LinkLabel : public QLabel {
  Q_OBJECT
 public:
  LinkLabel(const QString& text, QWidget* parent);
  // The link's text; amid Devanagari or Tamil its address is drawn in the Latin typeface
  // (ui/common/latin_runs.h).
  void SetLinkText(const QString& text);
  QString LinkText() const { return text_; }
  // The link's own colour, on whatever background the desktop's palette gives it: made lighter
  // or darker where it would not read there (a dark blue on a dark theme).
  void SetOwnColour(const QColor& colour);

 signals:
  void activated();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ApplyOwnColour();
  void ShowText();

  QColor ownColour_;
  QString text_;
};

}  // namespace ui

#pragma once
// Labels of the result window whose text can outgrow them. Both keep their text exactly as
// written (text() is the caption) and change only how it is drawn.

#include <QLabel>

namespace ui {

// Text the person typed (name, city, state, country), on one line. Text wider than the label
// ends in "…", and the whole text becomes the tooltip and the accessible description.
class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  // The text as drawn.
  QString ShownText() const;
  // Call after setText: explains a cut text in the tooltip and accessible description.
  void ExplainIfCut();

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// The bodies in one sign box, one per line after the leading line break. When they do not fit
// the box's height in one column they are drawn in two (top to bottom, then left to right);
// only when two columns are too wide as well does the font shrink, by half points, down to
// kSmallestPointSize.
class SignContents : public QLabel {
  Q_OBJECT
 public:
  static constexpr qreal kSmallestPointSize = 7;
  static constexpr int kColumnGap = 4;  // pixels between the columns

  struct Arrangement {
    QFont font;
    int columns = 1;
    int leadingBlanks = 0;  // empty lines above the first body
    int rows = 0;           // rows of bodies per column
    QList<int> columnWidths;
    QSize size;  // of the text as drawn, from the top left of the margin
  };

  using QLabel::QLabel;
  Arrangement Arrange() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui

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

// The height of a line of `metrics`' typeface, or where its line box is taller than its letters
// need, the height of tall and deep letters ("Ágy") and a pixel above and below them. Lohit
// Tamil's line box, at the window's 8 points, is 22 px high where its letters take 12 (the
// sans-serif typeface of a Tamil desktop); DejaVu Sans's is the 13 px its letters need.
int LetterLineHeight(const QFontMetrics& metrics);

// A heading or value of the Pataki details, each line LetterLineHeight high (or as high as its
// own letters and a pixel above and below them, where they need more): laid out by Lohit
// Tamil's line box, the nine headings and values of a Tamil reading outgrew their tab. The
// text is drawn centred on the shorter line, whole; in English the label is sized as a QLabel.
class CompactLinesLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override;
  int heightForWidth(int width) const override;

 private:
  // `height` as QLabel reckons it for `width`, or the label's lines at LetterLineHeight where
  // that is less.
  int Compact(int height, int width) const;
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

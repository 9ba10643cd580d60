#pragma once
// A label that shows a sentence in at most two lines of its width; a longer one ends in "…" and
// is shown whole as the tooltip and the accessible description. It is two lines of its font
// high, always, so the form does not jump as the sentence changes. Amid Devanagari or Tamil,
// the sentence's Latin runs (addresses, zone ids, offsets, figures) are drawn in the Latin
// typeface: the script's typefaces draw "/", ":" and "+" wide and figures small.

#include <QLabel>
#include <vector>

#include "ui/common/latin_runs.h"

namespace ui {

class TwoLineLabel final : public QLabel {
 public:
  explicit TwoLineLabel(QWidget* parent = nullptr);
  void SetSentence(const QString& sentence);
  // The lines as shown.
  QString ShownText() const { return shown_; }
  // The glyphs drawn for the characters of the shown text from `from`, `length` of them, in
  // the typefaces they are drawn in (the lines joined by a line feed, as in ShownText).
  QList<QGlyphRun> GlyphRuns(int from, int length) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  void Fit();
  void FitHeight();
  qreal LineHeight() const;

  QString sentence_;
  QString shown_;
  std::vector<LatinRunsLine> lines_;
};

}  // namespace ui

#pragma once
// A label that shows a sentence in at most two lines of its width; a longer one ends in "…" and
// is shown whole as the tooltip and the accessible description. It is two lines of its font
// high, always, so the form does not jump as the sentence changes. Amid Devanagari or Tamil,
// the sentence's Latin runs (addresses, zone ids, offsets, figures) are drawn in the Latin
// typeface: the script's typefaces draw "/", ":" and "+" wide and figures small.

#include <QLabel>

namespace ui {

class TwoLineLabel final : public QLabel {
 public:
  explicit TwoLineLabel(QWidget* parent = nullptr);
  void SetSentence(const QString& sentence);
  // The lines as shown, without markup.
  QString ShownText() const { return shown_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Fit();
  void FitHeight();

  QString sentence_;
  QString shown_;
};

}  // namespace ui

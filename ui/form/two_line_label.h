#pragma once
// A label that shows a sentence in at most two lines of its width; a longer one ends in "…" and
// is shown whole as the tooltip and the accessible description.

#include <QLabel>

namespace ui {

class TwoLineLabel final : public QLabel {
 public:
  using QLabel::QLabel;
  void SetSentence(const QString& sentence);

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Fit();

  QString sentence_;
};

}  // namespace ui

#include "ui/form/two_line_label.h"

#include <QTextLayout>

namespace ui {

void TwoLineLabel::SetSentence(const QString& sentence) {
  sentence_ = sentence;
  setToolTip(sentence);
  setAccessibleDescription(sentence);
  Fit();
}

void TwoLineLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Fit();
}

void TwoLineLabel::Fit() {
  QTextLayout layout(sentence_, font());
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(contentsRect().width());
    if (lines.size() == 1) {  // the second line takes the rest, cut to fit
      lines << fontMetrics().elidedText(sentence_.mid(line.textStart()), Qt::ElideRight,
                                        contentsRect().width());
      break;
    }
    lines << sentence_.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  setText(lines.join(QLatin1Char('\n')));
}

}  // namespace ui

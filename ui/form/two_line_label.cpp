#include "ui/form/two_line_label.h"

#include <QEvent>
#include <QTextLayout>
#include <QtMath>

#include "ui/common/latin_runs.h"
#include "ui/common/look.h"

namespace ui {

namespace {

constexpr QChar kWordJoiner(0x2060);

// A zone id or an address is one word: no line breaks after its slashes ("Asia/Kolkata").
QString KeptWhole(QString text) {
  for (qsizetype i = text.size() - 2; i > 0; --i)
    if (text[i] == QLatin1Char('/') && !text[i - 1].isSpace() && !text[i + 1].isSpace())
      text.insert(i + 1, kWordJoiner);
  return text;
}

}  // namespace

TwoLineLabel::TwoLineLabel(QWidget* parent) : QLabel(parent) {
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The lines are made for the width the label is given, so they do not ask for a width: lines
  // fitted to a wider form kept the form that wide after a change of language.
  setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  FitHeight();
}

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

void TwoLineLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() != QEvent::FontChange) return;
  FitHeight();
  Fit();
}

void TwoLineLabel::FitHeight() {
  // Two lines of the taller of the two typefaces a line may hold, and a pixel below each.
  const qreal line =
      std::max(QFontMetricsF(font()).lineSpacing(), QFontMetricsF(LatinFont(font())).lineSpacing());
  setFixedHeight(2 * qCeil(line) + 2);
}

void TwoLineLabel::Fit() {
  const QString text = KeptWhole(sentence_);
  const QFont latin = LatinFont(font());
  QTextLayout layout(text, font());
  layout.setFormats(LatinRuns(text, latin));
  layout.beginLayout();
  QStringList lines;
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(contentsRect().width());
    if (lines.size() == 1) {  // the second line takes the rest, cut to fit
      lines << fontMetrics().elidedText(text.mid(line.textStart()), Qt::ElideRight,
                                        contentsRect().width());
      break;
    }
    lines << text.mid(line.textStart(), line.textLength()).trimmed();
  }
  layout.endLayout();
  for (QString& line : lines) line.remove(kWordJoiner);
  shown_ = lines.join(QLatin1Char('\n'));
  if (LatinRuns(shown_, latin).isEmpty()) {
    setTextFormat(Qt::PlainText);
    setText(shown_);
    return;
  }
  QStringList marked;
  for (const QString& line : lines) marked << MarkedLatinRuns(line, latin, true);
  setTextFormat(Qt::RichText);
  setText(QStringLiteral("<div style=\"white-space:pre\">%1</div>")
              .arg(marked.join(QStringLiteral("<br>"))));
}

}  // namespace ui

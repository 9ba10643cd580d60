#include "ui/form/two_line_label.h"

#include <QEvent>
#include <QTextLayout>
#include <QtMath>

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

bool IsLatinOrShared(QChar c) {
  const QChar::Script script = c.script();
  return script == QChar::Script_Latin || script == QChar::Script_Common ||
         script == QChar::Script_Inherited;
}

// The runs of `text` in Latin script, with the figures and signs between and around them, that
// hold a Latin letter or a figure; none where the text is in Latin script alone.
QList<QTextLayout::FormatRange> LatinRuns(const QString& text, const QFont& latin) {
  QList<QTextLayout::FormatRange> runs;
  bool otherScript = false;
  for (const QChar c : text) otherScript |= c.isLetter() && !IsLatinOrShared(c);
  if (!otherScript) return runs;
  QTextCharFormat format;
  format.setFont(latin);
  for (qsizetype start = 0; start < text.size();) {
    qsizetype end = start;
    bool worded = false;
    while (end < text.size() && IsLatinOrShared(text[end])) {
      worded |= text[end].isLetterOrNumber();
      ++end;
    }
    qsizetype first = start, last = end;
    while (first < last && text[first].isSpace()) ++first;
    while (last > first && text[last - 1].isSpace()) --last;
    if (worded) runs.push_back({static_cast<int>(first), static_cast<int>(last - first), format});
    start = std::max(end, start + 1);
  }
  return runs;
}

// `line` as rich text, its Latin runs in `latin`'s family.
QString Marked(const QString& line, const QFont& latin) {
  QString html;
  qsizetype at = 0;
  for (const QTextLayout::FormatRange& run : LatinRuns(line, latin)) {
    html += line.mid(at, run.start - at).toHtmlEscaped();
    html += QStringLiteral("<span style=\"font-family:'%1'\">%2</span>")
                .arg(latin.family(), line.mid(run.start, run.length).toHtmlEscaped());
    at = run.start + run.length;
  }
  return html + line.mid(at).toHtmlEscaped();
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
  for (const QString& line : lines) marked << Marked(line, latin);
  setTextFormat(Qt::RichText);
  setText(QStringLiteral("<div style=\"white-space:pre\">%1</div>")
              .arg(marked.join(QStringLiteral("<br>"))));
}

}  // namespace ui

#include "ui/form/two_line_label.h"

#include <QEvent>
#include <QGlyphRun>
#include <QPainter>
#include <QTextBoundaryFinder>
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
  setTextFormat(Qt::PlainText);  // the text a screen reader reads; paintEvent draws it
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

qreal TwoLineLabel::LineHeight() const {
  return std::max(QFontMetricsF(font()).lineSpacing(),
                  QFontMetricsF(LatinFont(font())).lineSpacing());
}

void TwoLineLabel::FitHeight() {
  // Two lines of the taller of the two typefaces a line may hold, and a pixel below each.
  setFixedHeight(2 * qCeil(LineHeight()) + 2);
}

// The first line as full as the width takes, broken where a line may break; the second the
// rest, cut to fit. Each measured as it is drawn, its Latin runs in the Latin typeface.
void TwoLineLabel::Fit() {
  const QString text = KeptWhole(sentence_);
  const qreal width = contentsRect().width();
  const bool mixed = !LatinRuns(text, LatinFont(font())).isEmpty();
  const auto fits = [&](const QString& line) {
    return LatinRunsLine(line, font(), mixed).Width() <= width;
  };
  QList<qsizetype> breaks;
  QTextBoundaryFinder finder(QTextBoundaryFinder::Line, text);
  for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) breaks << at;
  // The last break whose first line fits (the first break where none does).
  qsizetype first = 0, over = breaks.size();
  while (over - first > 1) {
    const qsizetype middle = (first + over) / 2;
    (fits(text.left(breaks[middle]).trimmed()) ? first : over) = middle;
  }
  QStringList lines;
  if (!breaks.isEmpty()) {
    const qsizetype end = breaks[first];
    lines << ElidedLatinRuns(text.left(end).trimmed(), font(), width, mixed);
    const QString rest = text.mid(end).trimmed();
    if (!rest.isEmpty()) lines << ElidedLatinRuns(rest, font(), width, mixed);
  }
  for (QString& line : lines) line.remove(kWordJoiner);
  shown_ = lines.join(QLatin1Char('\n'));
  lines_.clear();
  for (const QString& line : lines) lines_.emplace_back(line, font(), mixed);
  setText(shown_);
}

void TwoLineLabel::paintEvent(QPaintEvent* event) {
  // A selection is drawn by the label itself, in one typeface, for as long as it lasts.
  if (hasSelectedText()) {
    QLabel::paintEvent(event);
    return;
  }
  QPainter painter(this);
  painter.setPen(palette().color(foregroundRole()));
  const QRect room = contentsRect();
  qreal top = room.top();
  for (const LatinRunsLine& line : lines_) {
    line.Draw(painter, QPointF(room.left(), top + line.Ascent()));
    top += LineHeight();
  }
}

QList<QGlyphRun> TwoLineLabel::GlyphRuns(int from, int length) const {
  QList<QGlyphRun> glyphs;
  int at = 0;
  for (const LatinRunsLine& line : lines_) {
    const int size = static_cast<int>(line.Text().size());
    const int start = std::max(from, at), end = std::min(from + length, at + size);
    if (start < end) glyphs += line.GlyphRuns(start - at, end - start);
    at += size + 1;
  }
  return glyphs;
}

}  // namespace ui

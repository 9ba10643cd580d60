#include "ui/common/latin_runs.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPainter>
#include <QTextBoundaryFinder>
#include <QTextCharFormat>
#include <algorithm>

#include "ui/common/look.h"

namespace ui {

namespace {

bool IsLatinOrShared(QChar c) {
  const QChar::Script script = c.script();
  return script == QChar::Script_Latin || script == QChar::Script_Common ||
         script == QChar::Script_Inherited;
}

}  // namespace

QList<QTextLayout::FormatRange> LatinRuns(const QString& text, const QFont& latin,
                                          bool amidOtherScript) {
  QList<QTextLayout::FormatRange> runs;
  bool otherScript = amidOtherScript;
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

bool InScriptTypeface(const QFont& font) {
  return font.families().value(0, font.family()) != LatinFont(font).families().value(0);
}

QString MarkedLatinRuns(const QString& line, const QFont& latin, bool amidOtherScript) {
  QString html;
  qsizetype at = 0;
  for (const QTextLayout::FormatRange& run : LatinRuns(line, latin, amidOtherScript)) {
    html += line.mid(at, run.start - at).toHtmlEscaped();
    html += QStringLiteral("<span style=\"font-family:'%1'\">%2</span>")
                .arg(latin.family(), line.mid(run.start, run.length).toHtmlEscaped());
    at = run.start + run.length;
  }
  return html + line.mid(at).toHtmlEscaped();
}

LatinRunsLine::LatinRunsLine(const QString& text, const QFont& font, bool amidOtherScript)
    : text_(text) {
  // At least the line of `font`, whatever the pieces hold: lines of one label or list share
  // their baseline whether they hold the script or Latin alone.
  const QFontMetricsF metrics(font);
  ascent_ = metrics.ascent();
  descent_ = metrics.descent();
  const QFont latin = LatinFont(font);
  const QList<QTextLayout::FormatRange> runs = LatinRuns(text, latin, amidOtherScript);
  // The text cut at the runs' edges, every piece with the typeface it is drawn in.
  std::vector<std::pair<int, bool>> edges = {{0, false}};
  for (const QTextLayout::FormatRange& run : runs) {
    edges.push_back({run.start, true});
    edges.push_back({run.start + run.length, false});
  }
  edges.push_back({static_cast<int>(text.size()), false});
  QTextOption option;
  option.setWrapMode(QTextOption::NoWrap);
  for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
    const int start = edges[i].first, end = edges[i + 1].first;
    if (end <= start) continue;
    Piece piece{start, width_,
                std::make_unique<QTextLayout>(text.mid(start, end - start),
                                              edges[i].second ? latin : font)};
    piece.layout->setTextOption(option);
    piece.layout->setCacheEnabled(true);
    piece.layout->beginLayout();
    QTextLine line = piece.layout->createLine();
    line.setLineWidth(1e6);
    piece.layout->endLayout();
    width_ += line.horizontalAdvance();
    ascent_ = std::max(ascent_, line.ascent());
    descent_ = std::max(descent_, line.descent());
    pieces_.push_back(std::move(piece));
  }
}

LatinRunsLine::~LatinRunsLine() = default;
LatinRunsLine::LatinRunsLine(LatinRunsLine&&) noexcept = default;
LatinRunsLine& LatinRunsLine::operator=(LatinRunsLine&&) noexcept = default;

void LatinRunsLine::Draw(QPainter& painter, QPointF baseline) const {
  for (const Piece& piece : pieces_)
    piece.layout->draw(
        &painter, QPointF(baseline.x() + piece.x, baseline.y() - piece.layout->lineAt(0).ascent()));
}

void LatinRunsLine::Draw(QPainter& painter, const QRectF& rect, Qt::Alignment alignment) const {
  qreal x = rect.left(), top = rect.top();
  if (alignment & Qt::AlignRight) x = rect.right() - width_;
  if (alignment & Qt::AlignHCenter) x = rect.left() + (rect.width() - width_) / 2;
  if (alignment & Qt::AlignBottom) top = rect.bottom() - Height();
  if (alignment & Qt::AlignVCenter) top = rect.top() + (rect.height() - Height()) / 2;
  Draw(painter, QPointF(x, top + ascent_));
}

QList<QGlyphRun> LatinRunsLine::GlyphRuns(int from, int length) const {
  QList<QGlyphRun> glyphs;
  for (const Piece& piece : pieces_) {
    const int size = static_cast<int>(piece.layout->text().size());
    const int start = std::max(from, piece.start),
              end = std::min(from + length, piece.start + size);
    if (start < end) glyphs += piece.layout->glyphRuns(start - piece.start, end - start);
  }
  return glyphs;
}

QString ElidedLatinRuns(const QString& text, const QFont& font, qreal width, bool amidOtherScript) {
  if (LatinRunsLine(text, font, amidOtherScript).Width() <= width) return text;
  // The longest start, cut between letters as they are drawn, that fits with the ellipsis.
  QList<qsizetype> cuts;
  QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, text);
  for (qsizetype at = graphemes.toNextBoundary(); at > 0 && at < text.size();
       at = graphemes.toNextBoundary())
    cuts << at;
  const auto cut = [&text](qsizetype at) { return text.left(at).trimmed() + QChar(0x2026); };
  qsizetype fits = 0, over = cuts.size();
  while (over - fits > 0) {
    const qsizetype middle = (fits + over + 1) / 2;
    if (LatinRunsLine(cut(cuts[middle - 1]), font, amidOtherScript).Width() <= width)
      fits = middle;
    else
      over = middle - 1;
  }
  return fits > 0 ? cut(cuts[fits - 1]) : QString(QChar(0x2026));
}

}  // namespace ui

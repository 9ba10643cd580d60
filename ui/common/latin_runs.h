#pragma once
// Amid Devanagari or Tamil, a text's Latin runs (addresses, zone ids, offsets, figures) are
// drawn in the Latin typeface: the script's typefaces draw "/", ":" and "+" wide and figures
// small.

#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>
#include <memory>
#include <vector>

class QGlyphRun;
class QPainter;

namespace ui {

// The runs of `text` in Latin script, with the figures and signs between and around them, that
// hold a Latin letter or a figure, formatted in `latin`; none where the text is in Latin script
// alone, unless it is part of a text in another script (`amidOtherScript`: a line of it).
QList<QTextLayout::FormatRange> LatinRuns(const QString& text, const QFont& latin,
                                          bool amidOtherScript = false);

// Whether `font` draws in a script's typeface first (Devanagari's or Tamil's), whose Latin
// letters then stand amid that script: a window in Hindi or Tamil.
bool InScriptTypeface(const QFont& font);

// `line` as rich text, its Latin runs in `latin`'s family.
QString MarkedLatinRuns(const QString& line, const QFont& latin, bool amidOtherScript = false);

// One line of text drawn with its Latin runs in the Latin typeface, each run laid out on its own
// beside the rest. Formats alone do not do it for a run of figures after Devanagari or Tamil:
// Qt gives figures and signs the script of the letters before them and takes the typeface
// that script names, whatever the run's format asks for ("मार्च 1984" drew 1984 small).
class LatinRunsLine {
 public:
  LatinRunsLine(const QString& text, const QFont& font, bool amidOtherScript = false);
  ~LatinRunsLine();
  LatinRunsLine(LatinRunsLine&&) noexcept;
  LatinRunsLine& operator=(LatinRunsLine&&) noexcept;

  const QString& Text() const { return text_; }
  // The width the pieces take; the ascent and height of the taller of the pieces' lines and a
  // line of the font given.
  qreal Width() const { return width_; }
  qreal Ascent() const { return ascent_; }
  qreal Height() const { return ascent_ + descent_; }
  // Draws the line with its baseline at `baseline`'s y, from its x, in the painter's pen.
  void Draw(QPainter& painter, QPointF baseline) const;
  // Draws it in `rect`, placed by `alignment` (left, right or centred; top, bottom or centred).
  void Draw(QPainter& painter, const QRectF& rect, Qt::Alignment alignment) const;
  // The glyphs drawn for the characters from `from`, `length` of them.
  QList<QGlyphRun> GlyphRuns(int from, int length) const;

 private:
  struct Piece {
    int start = 0;
    qreal x = 0;
    std::unique_ptr<QTextLayout> layout;
  };
  QString text_;
  std::vector<Piece> pieces_;
  qreal width_ = 0, ascent_ = 0, descent_ = 0;
};

// `text` cut to `width` with "…" as LatinRunsLine draws it; whole where it fits.
QString ElidedLatinRuns(const QString& text, const QFont& font, qreal width,
                        bool amidOtherScript = false);

}  // namespace ui

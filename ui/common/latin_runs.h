#pragma once
// Amid Devanagari or Tamil, a text's Latin runs (addresses, zone ids, offsets, figures) are
// drawn in the Latin typeface: the script's typefaces draw "/", ":" and "+" wide and figures
// small.

#include <QFont>
#include <QList>
#include <QString>
#include <QTextLayout>

namespace ui {

// The runs of `text` in Latin script, with the figures and signs between and around them, that
// hold a Latin letter or a figure, formatted in `latin`; none where the text is in Latin script
// alone, unless it is part of a text in another script (`amidOtherScript`: a line of it).
QList<QTextLayout::FormatRange> LatinRuns(const QString& text, const QFont& latin,
                                          bool amidOtherScript = false);

// `line` as rich text, its Latin runs in `latin`'s family.
QString MarkedLatinRuns(const QString& line, const QFont& latin, bool amidOtherScript = false);

}  // namespace ui

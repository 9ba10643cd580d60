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
// alone.
QList<QTextLayout::FormatRange> LatinRuns(const QString& text, const QFont& latin);

// `line` as rich text, its Latin runs in `latin`'s family.
QString MarkedLatinRuns(const QString& line, const QFont& latin);

}  // namespace ui

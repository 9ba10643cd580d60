#pragma once
// The reading text and the captions the library composes, in the language in use. English
// is the library's own text, unchanged; Hindi and Tamil fill translated sentence templates
// from the reading's data (core::ReadingBlock) and write the captions that hold figures from
// the reading's facts (core::ReadingFacts), so each language orders its words as it needs.

#include <QString>
#include <QStringList>
#include <string_view>
#include <vector>

#include "core/result_sheet.h"

namespace ui {

// The reading text, one run per block, its lines broken with CR LF as the library breaks them.
// In English exactly the sheet's runs (sheet.RTB).
std::vector<core::TextRun> ReadingRuns(const core::ResultSheet& sheet);

// One run of the reading text in the language in use, by its lines: the run's text is these
// lines joined by line breaks (its sentences, then an empty line for each break after them).
struct ReadingLines {
  QStringList lines;
  bool emphasis = false;
};
std::vector<ReadingLines> ReadingTextLines(const core::ResultSheet& sheet);

// One sentence of the reading in the language in use, without line breaks.
QString ReadingSentenceText(const core::ReadingItem& item);

// The caption the reading wrote for `widget` (lines broken with LF), in the language in use:
// words by their translations, positions with the sign's full name, dates in the language's
// order, the sunrise notes translated. English: the caption as written, by SheetCaption.
QString WrittenCaptionText(const core::ResultSheet& sheet, std::string_view widget);

}  // namespace ui

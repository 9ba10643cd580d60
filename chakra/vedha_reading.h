#pragma once
// The reading text: vedha to the Lagna and the Rashi, the effects of the piercing planets
// and where the Dandadhipati stands, with the five result labels it belongs to.

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/birth_record.h"
#include "core/result_sheet.h"

namespace chakra {

// Writes the five result labels and appends the reading to the sheet, as data
// (sheet.ReadingBlocks) and as its English runs (sheet.RTB).
void ComposeVedhaReading(core::BirthRecord& record, core::ResultSheet& sheet);

// The reading as data, for the record as it stands.
std::vector<core::ReadingBlock> VedhaReadingBlocks(const core::BirthRecord& record);

// The English text of the blocks: one run per block, exactly as the reading shows it.
std::vector<core::TextRun> EnglishReadingRuns(std::span<const core::ReadingBlock> blocks);

// The English line of one item, without line breaks.
std::string EnglishSentence(const core::ReadingItem& item);

// What vedha from the planet of the body index touches ("Bile related problems; fever; mental
// tensions" for the Sun); empty for the Moon, the Lagna point and any other index.
std::string_view VedhaEffectAreas(int body);

}  // namespace chakra

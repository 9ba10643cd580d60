#pragma once
// The reading text: vedha to the Lagna and the Rashi, the effects of the piercing planets
// and where the Dandadhipati stands, with the five result labels it belongs to.

#include "core/birth_record.h"
#include "core/result_sheet.h"

namespace chakra {

void ComposeVedhaReading(core::BirthRecord& record, core::ResultSheet& sheet);

}  // namespace chakra

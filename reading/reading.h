#pragma once
// The reading: from the form's entries to a filled birth record and result sheet, in one
// fixed order of steps. After the input check nothing stops a reading: a step that cannot
// be carried out leaves its fields as they were and the next step runs.

#include <optional>
#include <string>
#include <string_view>

#include "core/birth_record.h"
#include "core/birth_value.h"
#include "core/form_entries.h"
#include "core/result_sheet.h"
#include "reading/english_captions.h"
#include "reading/validate_entries.h"

namespace reading {

using core::BirthRecord;
using core::FormEntries;
using core::LocalTime;
using core::ResultSheet;

// Runs one reading of the birth: the record holds the reading and the sheet the result window.
void RunReading(const core::BirthValue& birth, BirthRecord& record, ResultSheet& sheet);

// Reads the entries (ParseBirth) and runs their reading. On a refusal nothing in the record or the
// sheet changes and the refusal is returned; otherwise the record holds the reading and the sheet
// the result window.
std::optional<Refusal> RunReading(const FormEntries& entries, BirthRecord& record,
                                  ResultSheet& sheet);

}  // namespace reading

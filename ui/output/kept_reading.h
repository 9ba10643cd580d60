#pragma once
// One reading as the program showed it: the form's entries that produced it, the record and
// the sheet. The printed page, the PDF and the chart picture are drawn from this alone.

#include <string>

#include "core/birth_record.h"
#include "core/form_entries.h"
#include "core/result_sheet.h"

namespace ui {

struct KeptReading {
  core::FormEntries entries;
  core::BirthRecord record;
  core::ResultSheet sheet;
  // The clock the birth time was read on, where the atlas decided it: "UTC+6:30, war time,
  // Asia/Kolkata"; empty otherwise.
  std::string clock;
};

}  // namespace ui

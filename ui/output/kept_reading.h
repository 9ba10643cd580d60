#pragma once
// One reading as the program showed it: the form's entries that produced it, the record, the
// sheet and the reading's timing. The printed page, the PDF and the chart picture are drawn
// from this alone.

#include <memory>
#include <string>

#include "core/birth_record.h"
#include "core/form_entries.h"
#include "core/result_sheet.h"
#include "reading/timing.h"

namespace ui {

struct KeptReading {
  core::FormEntries entries;
  core::BirthRecord record;
  core::ResultSheet sheet;
  // The clock the birth time was read on, where the atlas decided it: "UTC+6:30, war time,
  // Asia/Kolkata"; empty otherwise.
  std::string clock;
  // The nakshatras and the dasha, computed once for the reading (KeepTiming) and shared with
  // the result window's tab.
  std::shared_ptr<const reading::Timing> timing;
};

// Computes the reading's timing once, for the page and the tab to share.
inline void KeepTiming(KeptReading& reading) {
  reading.timing = std::make_shared<const reading::Timing>(reading::TimingOf(reading.record));
}

}  // namespace ui

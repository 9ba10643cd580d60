#pragma once
// The result window's "Nakshatra & Dasha" tab: the calculation the reading was made with, the
// nakshatra and pada of every body, and the Vimshottari dasha with the period running today.

#include <optional>

#include "core/birth_record.h"
#include "core/calculation.h"

class QTabWidget;

namespace ui {

class Clock;

// Adds the tab to `tabs` (the window's lower tabs). The calculation's caption is written at
// once; the tables are computed and filled when the tab is first shown, so opening the result
// window costs nothing more. `clock` gives today when they are filled.
void AddTimingTab(QTabWidget& tabs, const core::BirthRecord& record,
                  const std::optional<core::Calculation>& calculation, Clock& clock);

}  // namespace ui

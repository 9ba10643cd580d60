#pragma once
// The result window's "Nakshatra & Dasha" tab: the calculation the reading was made with, the
// nakshatra and pada of every body, and the Vimshottari dasha with the period running today.

#include <memory>
#include <optional>

#include "core/calculation.h"
#include "reading/timing.h"

class QTabWidget;

namespace ui {

class Clock;

// Adds the tab to `tabs` (the window's lower tabs). The calculation's caption is written at
// once; the tables are filled from the reading's timing (computed once for the reading and
// shared with its printed page) when the tab is first shown, so opening the result window
// builds no more widgets. `ephemerisFiles`: whether the Swiss Ephemeris's files served the
// reading. `clock` gives today when the tables are filled.
void AddTimingTab(QTabWidget& tabs, std::shared_ptr<const reading::Timing> timing,
                  bool ephemerisFiles, const std::optional<core::Calculation>& calculation,
                  Clock& clock);

}  // namespace ui

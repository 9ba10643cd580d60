#pragma once
// The calculation chosen in the form's menu, kept between runs in the user's configuration
// folder (orvel-pataki-chakra/settings.ini under the system's configuration location).

#include <QString>
#include <optional>

#include "core/calculation.h"
#include "ui/common/settings_file.h"

namespace ui {

// The kept choice; empty (the built-in formulas) when none is kept. A file that cannot be
// read, or a value the program does not know, gives the defaults and one line on stderr.
std::optional<core::Calculation> LoadCalculationPreference();

// The Swiss Ephemeris's choices last shown, kept while the built-in formulas are chosen, so
// that the next run's menu shows them as this run's did; the defaults when none are kept.
core::SwissSettings LoadKeptSwissChoices();

// Keeps `choice` and the Swiss choices shown beside it; writes the file only when it differs
// from what the file holds.
void SaveCalculationPreference(const std::optional<core::Calculation>& choice,
                               const core::SwissSettings& swissShown);

}  // namespace ui

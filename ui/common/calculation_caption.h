#pragma once
// The calculation a reading was made with, in words, as the result window and the page show
// it: "Swiss Ephemeris, Lahiri, mean node, sunrise: upper limb, refracted".

#include <QString>
#include <optional>

#include "core/calculation.h"

namespace ui {

// The ayanamsa's name as shown: "Lahiri", "Raman", "Krishnamurti", "True Chitrapaksha".
QString AyanamsaCaption(core::Ayanamsa ayanamsa);

// "Built-in formulas" (also with no choice recorded), or the Swiss Ephemeris with its choices.
QString CalculationCaption(const std::optional<core::Calculation>& calculation);

// Where the positions came from: the program's own formulas, the Swiss Ephemeris's files, or
// its analytical ephemeris where the files could not be used (`files` is the record's
// EphemerisFiles).
QString EphemerisSourceCaption(const std::optional<core::Calculation>& calculation, bool files);

}  // namespace ui

#pragma once
// Whether Mercury, Venus, Mars, Jupiter and Saturn were retrograde on the birth date, from
// built-in tables of station moments for 1900 to 2051.

#include <array>
#include <chrono>
#include <string_view>

#include "core/birth_record.h"

namespace sky {

inline constexpr std::string_view kRetrogradeMark = " (R) ";

// Per body slot, true for the planets (slots 2..6) retrograde at the birth date.
std::array<bool, core::kBodyCount> RetrogradeBodies(std::chrono::year_month_day birthDate);

// Appends the mark to BodyNames slots 2..6 of each planet retrograde at the birth date.
void MarkRetrogrades(core::BirthRecord& record);

// True when the calendar date of birth lies strictly between the calendar dates of a
// station retrograde and the following station direct; a station day itself is not
// retrograde. False for an unknown planet name.
bool IsRetrograde(std::chrono::year_month_day birthDate, std::string_view planet);

}  // namespace sky

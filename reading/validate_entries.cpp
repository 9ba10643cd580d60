#include "reading/validate_entries.h"

#include <array>
#include <chrono>

#include "core/entries_json.h"
#include "core/form_fields.h"

namespace reading {

using core::ParseNumber;
using core::Trimmed;
using core::WholeNumber;

namespace {

// A coordinate box and the range its number must keep.
struct CoordinateCheck {
  std::string FormEntries::*box;
  core::FieldId widget;
  double highest;
  const char* message;
};

// In the order the boxes are checked. The two minute messages carry two blanks before
// "Minute", as the program has always shown them.
constexpr std::array<CoordinateCheck, 4> kCoordinateChecks = {{
    {&FormEntries::txtLonD, core::FieldId::txtLonD, 179,
     "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
    {&FormEntries::txtLonM, core::FieldId::txtLonM, 59,
     "Please Enter Value Between 0 And 59 in the  Minute of Longitude"},
    {&FormEntries::txtLatD, core::FieldId::txtLatD, 89,
     "Please Enter Value Between 0 And 89 in the Degree of Latitude"},
    {&FormEntries::txtLatM, core::FieldId::txtLatM, 59,
     "Please Enter Value Between 0 And 59 in the  Minute of Latitude"},
}};

Refusal FocusError(const char* message, core::FieldId widget) {
  return {message, MessageIcon::Error, std::string(core::FieldOf(widget).objectName)};
}

// The whole trimmed text must be a number (a pasted "12abc" is refused), and its value itself,
// not a rounded one, must lie in the range: 179.4 degrees of longitude is refused.
bool InRange(std::string_view text, double highest) {
  const auto value = ParseNumber(text);
  return value && *value >= 0 && *value <= highest;
}

bool IsLeapYear(int y) {
  // The year list runs from 1901 to 2050, where this is divisibility by 4 alone.
  return y >= 1 && y <= 9999 && std::chrono::year{y}.is_leap();
}

int FebruaryDays(std::string_view yearText) {
  const auto y = WholeNumber(yearText);
  return y && IsLeapYear(*y) ? 29 : 28;
}

bool IsThirtyDayMonth(int monthPosition) {
  // April, June, September, November.
  return monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
}

}  // namespace

std::optional<Refusal> ValidateEntries(const FormEntries& e) {
  // The form's lists cannot hold anything else; another caller of the library could.
  if (auto problem = core::ListEntryProblem(e)) return Refusal{*problem, MessageIcon::Error, {}};
  if (Trimmed(e.txtName).empty()) return FocusError("Please Enter Name", core::FieldId::txtName);
  for (const auto& check : kCoordinateChecks) {
    if (!InRange(e.*check.box, check.highest)) return FocusError(check.message, check.widget);
  }
  const auto day = WholeNumber(e.cboDate);
  if (!day) return std::nullopt;  // a pick-only list always holds a day
  constexpr int kFebruary = 1;
  if (e.cboMonth == kFebruary && *day > FebruaryDays(e.cboYear))
    return Refusal{"Please Enter Correct Date Or Month!", MessageIcon::Information, std::nullopt};
  if (IsThirtyDayMonth(e.cboMonth) && *day == 31)
    return Refusal{"Please Enter Correct Date Or Month !", MessageIcon::Information, std::nullopt};
  // Without a zone there is no universal time to compute from, unless the birth carries its
  // exact offset.
  if (e.cmbTimeZone < 0 && !e.utcOffsetSeconds)
    return Refusal{"Please Select Time Zone", MessageIcon::Information,
                   std::string(core::FieldOf(core::FieldId::cmbTimeZone).objectName)};
  return std::nullopt;
}

}  // namespace reading

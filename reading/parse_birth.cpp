#include "reading/parse_birth.h"

#include "core/numbers.h"

namespace reading {

namespace {

// The whole degrees and minutes of two boxes the input check passed (rounded halves to even:
// 59.5 minutes are 60).
core::GeoAngle AngleOf(const std::string& degrees, const std::string& minutes, bool positive) {
  return {core::WholeNumber(degrees).value_or(0), core::WholeNumber(minutes).value_or(0), positive};
}

}  // namespace

std::variant<core::BirthValue, Refusal> ParseBirth(const core::FormEntries& e) {
  if (auto refusal = ValidateEntries(e)) return *std::move(refusal);
  const auto local = core::LocalBirthTime(e);
  // The check refuses every list entry and date LocalBirthTime could not read.
  if (!local) return Refusal{"Please Enter Correct Date Or Month!", MessageIcon::Information, {}};
  core::BirthValue birth;
  birth.name = e.txtName;
  birth.local = *local;
  // An exact offset stands in for the row and box, which are then not read.
  if (e.utcOffsetSeconds)
    birth.offset = {std::chrono::seconds{*e.utcOffsetSeconds}, core::ExactOrigin{}};
  else
    birth.offset = {core::ZoneRowOffset(e.cmbTimeZone, e.chkDST),
                    core::ZoneRowOrigin{e.cmbTimeZone, e.chkDST}};
  birth.latitude = AngleOf(e.txtLatD, e.txtLatM, e.optLatNorth);
  birth.longitude = AngleOf(e.txtLonD, e.txtLonM, e.optLongEast);
  birth.city = e.txtMCity;
  birth.state = e.txtMState;
  birth.country = e.txtMCountry;
  birth.calculation = e.calculation;
  return birth;
}

}  // namespace reading

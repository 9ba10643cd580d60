#pragma once
// When the reading's promise falls due: the nakshatra and pada of every body of a reading and
// the Vimshottari dasha from its Moon, computed from a filled record on request, so a reading
// that does not show them does not pay for them.

#include <array>
#include <optional>

#include "core/birth_record.h"
#include "dasha/nakshatra.h"
#include "dasha/vimshottari.h"

namespace reading {

struct Timing {
  // In body order, Sun .. ascendant; empty for a longitude that is not a number.
  std::array<std::optional<dasha::NakshatraPosition>, core::kBodyCount> nakshatras;
  // From the Moon's longitude of the reading's calculation, the birth moment in universal time
  // (the local clock time less the offset, seconds included) and the offset for the dates.
  std::optional<dasha::Vimshottari> dasha;
};

// The nakshatras and the dasha of the reading the record holds.
Timing TimingOf(const core::BirthRecord& record,
                dasha::YearLength year = dasha::YearLength::Julian);

}  // namespace reading

#pragma once
// The birth instant as the Moon and the ascendant count it: the day number of the local date
// of birth moved by the universal time of birth.

#include "core/birth_record.h"

namespace ephemeris {

// Julian centuries from the epoch (a Julian date) to the birth instant, with universal time
// taken on the local calendar date (it may fall before 0 h or after 24 h).
double BirthCenturiesSince(const core::BirthRecord& record, double epoch);

}  // namespace ephemeris

#pragma once
// The birth instant and place the ephemeris is given, from the record's entries: the zone
// and daylight-saving rule applied here, once, for every body.

#include "core/birth_record.h"
#include "ephemeris/birth_instant.h"

namespace reading {

ephemeris::BirthInstant BirthInstantOf(const core::BirthRecord& record);

}  // namespace reading

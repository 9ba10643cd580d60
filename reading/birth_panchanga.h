#pragma once
// The panchanga of the birth moment from the reading's own calculation, computed on request
// (the dump's "panchanga", the printed page), never by the reading itself: its searches cost
// some thirty positions of the Sun and the Moon.

#include <chrono>
#include <optional>

#include "core/birth_record.h"
#include "panchanga/panchanga.h"

namespace reading {

struct BirthPanchanga {
  panchanga::Vara vara;
  panchanga::Elements elements;
};

// The panchanga of the reading the record holds: the vara from the sunrise of the birth date
// by the calculation's own rule, the elements from its Sun and Moon at the birth moment to the
// second, their ends searched on the calculation. Empty where the calculation fails.
std::optional<BirthPanchanga> PanchangaOf(const core::BirthRecord& record);

}  // namespace reading

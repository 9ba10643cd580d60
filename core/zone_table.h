#pragma once
// The 71 named time zones of the zone list and their corrections to universal time.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/birth_record.h"

namespace core {

struct ZoneRow {
  std::string_view text;  // shown in the list, never evaluated
  std::int16_t hours;     // added to local clock time to get UT (positive west of Greenwich)
  std::int16_t minutes;   // 0 or 30, with the sign of the hours
};

inline constexpr int kZoneCount = 71;
inline constexpr int kDefaultZoneRow = 29;  // "Greenwich Mean Time,GMT,0.0"

const std::array<ZoneRow, kZoneCount>& ZoneTable();

// Copies the correction of the selected row into the record; any index outside the
// table (-1 when nothing is selected) leaves the previous correction in force.
void Zone_Calculation(int selectedRow, BirthRecord& record);

}  // namespace core

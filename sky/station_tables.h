#pragma once
// The station moments of the five planets, in universal time, one text per station:
// "month,day,year,hour,minute," without leading zeros. Row i of a planet's two lists
// bounds its i-th retrograde period. Generated data: see station_tables.cpp.

#include <span>
#include <string_view>

namespace sky {

struct StationTable {
  std::string_view planet;
  std::span<const std::string_view> retrograde;  // turns retrograde
  std::span<const std::string_view> direct;      // turns direct again
};

// Mercury, Venus, Mars, Jupiter, Saturn, in this order.
std::span<const StationTable> StationTables();

}  // namespace sky

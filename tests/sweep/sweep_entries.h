#pragma once
// The entries of the sweep's readings, shared by the sweep and the benchmark of varied
// readings: every zone row, every year of the list, latitudes up to 89 degrees in both
// hemispheres, from a fixed counter, so every run reads the same entries.

#include <chrono>
#include <cstdint>
#include <string>

#include "core/form_entries.h"
#include "core/zone_table.h"

namespace sweep {

// Independent pseudo-random bits for reading i (splitmix64): the sweep is the same on every run.
inline std::uint64_t Mix(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

class Bits {
 public:
  explicit Bits(std::uint64_t start) : state_(start) {}
  int Below(int n) {
    state_ = Mix(state_);
    return static_cast<int>(state_ % static_cast<std::uint64_t>(n));
  }

 private:
  std::uint64_t state_;
};

inline constexpr int kFirstYear = 1901;
inline constexpr int kYears = 150;  // 1901..2050

// The entries of reading i. The zone row runs through 0..70 and the year through 1901..2050;
// as 71 and 150 have no common factor, every (zone, year) pair comes up in each 10,650 readings.
// A quarter of the readings sit at a latitude of 80 degrees or more; the rest spread over 0..89.
inline core::FormEntries EntriesFor(std::uint64_t i) {
  using namespace std::chrono;
  Bits bits(i);
  core::FormEntries e;
  e.txtName = "SWEEP";
  e.cmbTimeZone = static_cast<int>(i % core::kZoneCount);
  const int year = kFirstYear + static_cast<int>(i % kYears);
  e.cboYear = std::to_string(year);
  e.cboMonth = bits.Below(12);
  const unsigned lastDay = unsigned(
      year_month_day_last{std::chrono::year{year}, month_day_last{month{unsigned(e.cboMonth + 1)}}}
          .day());
  e.cboDate = std::to_string(1 + bits.Below(static_cast<int>(lastDay)));
  e.cboHH = std::to_string(bits.Below(24));
  e.cboMM = std::to_string(bits.Below(60));
  e.cboSS = std::to_string(bits.Below(60));
  e.txtMCity = "City";
  e.txtMState = "State";
  e.txtMCountry = "Country";
  e.chkDST = bits.Below(2) == 1;
  e.txtLonD = std::to_string(bits.Below(180));
  e.txtLonM = std::to_string(bits.Below(60));
  e.txtLatD = std::to_string(bits.Below(4) == 0 ? 80 + bits.Below(10) : bits.Below(90));
  e.txtLatM = std::to_string(bits.Below(60));
  e.optLongEast = bits.Below(2) == 1;
  e.optLatNorth = bits.Below(2) == 1;
  // Some readings at the first or last second of a year, where a neighbouring day falls in
  // another year (1 January 1901 is reading 0, 31 December 2050 reading 7049), and some at
  // 89 degrees 59. 53 and 59 share no factor with 71 or 150: these too meet every zone.
  if (i % 53 == 0) {
    const bool first = (i / 53) % 2 == 0;
    e.cboMonth = first ? 0 : 11;
    e.cboDate = first ? "1" : "31";
    e.cboHH = first ? "0" : "23";
    e.cboMM = e.cboSS = first ? "0" : "59";
  }
  if (i % 59 == 0) {
    e.txtLatD = "89";
    e.txtLatM = "59";
  }
  return e;
}

}  // namespace sweep

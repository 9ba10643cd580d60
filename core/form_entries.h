#pragma once
// What the birth-data form holds: the texts of its boxes, the picks of its lists and the
// state of its options, exactly as the user left them. The reading starts from these.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "core/calculation.h"

namespace core {

// The month list of the form, January first.
inline constexpr std::array<std::string_view, 12> kMonthNames = {
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

// "January" .. "December" for month 1..12, "" otherwise.
constexpr std::string_view MonthName(int month) {
  return month >= 1 && month <= 12 ? kMonthNames[static_cast<std::size_t>(month - 1)]
                                   : std::string_view{};
}

// The pick-only number lists of the form, each the whole numbers first..last as texts.
struct NumberList {
  std::string_view key;  // the list's widget name
  int first, last;
};
inline constexpr NumberList kDateList{"cboDate", 1, 31};
inline constexpr NumberList kYearList{"cboYear", 1901, 2050};
// The Swiss Ephemeris's years: those of its files (1 January 1800 to 2399).
inline constexpr NumberList kSwissYearList{"cboYear", 1800, 2399};
inline constexpr NumberList kHourList{"cboHH", 0, 23};
inline constexpr NumberList kMinuteList{"cboMM", 0, 59};
inline constexpr NumberList kSecondList{"cboSS", 0, 59};

struct FormEntries {
  std::string txtName{};
  int cboMonth = 0;           // position in the month list, 0 = January
  std::string cboDate = "1";  // selected texts of the pick-only lists
  std::string cboYear = "1901";
  std::string cboHH = "0";
  std::string cboMM = "0";
  std::string cboSS = "0";
  std::string txtMCity{}, txtMState{}, txtMCountry{};
  int cmbTimeZone = 29;  // selected zone row, -1 when nothing is selected
  bool chkDST = false;
  // The birth moment's exact offset from universal time, seconds east, where the place's clock
  // was none of the zone rows (decided by the atlas); when present, the row and box are not used.
  std::optional<int> utcOffsetSeconds{};
  std::string txtLonD{}, txtLonM{}, txtLatD{}, txtLatM{};
  bool optLongEast = true;  // optLong index 0 ("East") selected, else "West"
  bool optLatNorth = true;  // optLat index 0 ("North") selected, else "South"
  // The calculation chosen; empty: the built-in formulas, and nothing of the choice is shown.
  std::optional<Calculation> calculation{};
};

// The year list while the entries' calculation is chosen: the built-in formulas keep 1901 to
// 2050, the Swiss Ephemeris widens it to its files' years.
constexpr const NumberList& YearListOf(const FormEntries& entries) {
  return entries.calculation && entries.calculation->ephemeris == EphemerisChoice::Swiss
             ? kSwissYearList
             : kYearList;
}

}  // namespace core

#pragma once
// What the birth-data form holds: the texts of its boxes, the picks of its lists and the
// state of its options, exactly as the user left them. The reading starts from these.

#include <string>

namespace core {

struct FormEntries {
  std::string txtName;
  int cboMonth = 0;           // position in the month list, 0 = January
  std::string cboDate = "1";  // selected texts of the pick-only lists
  std::string cboYear = "1901";
  std::string cboHH = "0";
  std::string cboMM = "0";
  std::string cboSS = "0";
  std::string txtMCity, txtMState, txtMCountry;
  int cmbTimeZone = 29;  // selected zone row, -1 when nothing is selected
  bool chkDST = false;
  std::string txtLonD, txtLonM, txtLatD, txtLatM;
  bool optLongEast = true;  // optLong index 0 ("East") selected, else "West"
  bool optLatNorth = true;  // optLat index 0 ("North") selected, else "South"
};

}  // namespace core

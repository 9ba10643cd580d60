#pragma once
// The birth the benchmarks read: New Delhi, 7 March 1984, 10:05:30, Indian Standard Time.

#include "core/form_entries.h"

namespace bench {

inline core::FormEntries DelhiEntries() {
  return {.txtName = "ASHA",
          .cboMonth = 2,
          .cboDate = "7",
          .cboYear = "1984",
          .cboHH = "10",
          .cboMM = "5",
          .cboSS = "30",
          .txtMCity = "New Delhi",
          .txtMState = "Delhi",
          .txtMCountry = "India",
          .cmbTimeZone = 34,  // "Indian Time, IST, +5.3"
          .chkDST = false,
          .txtLonD = "77",
          .txtLonM = "12",
          .txtLatD = "28",
          .txtLatM = "38",
          .optLongEast = true,
          .optLatNorth = true};
}

}  // namespace bench

#include "reading/timing.h"

#include <chrono>

namespace reading {

Timing TimingOf(const core::BirthRecord& r, dasha::YearLength year) {
  Timing out;
  for (int k = 0; k < core::kBodyCount; ++k)
    out.nakshatras[k] = dasha::NakshatraOf(r.Longitudes[k]);
  const core::BirthValue& b = r.Birth;
  const std::chrono::sys_seconds ut{b.local.time_since_epoch() - b.offset.east};
  out.dasha = dasha::VimshottariDasha(r.Longitudes[core::kMoon], ut,
                                      static_cast<int>(b.offset.east.count()), year);
  return out;
}

}  // namespace reading

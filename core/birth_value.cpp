#include "core/birth_value.h"

#include "core/numbers.h"
#include "core/zone_table.h"

namespace core {

std::chrono::seconds ZoneRowOffset(int row, bool dst) {
  using namespace std::chrono;
  const ZoneRow& r = ZoneTable()[static_cast<std::size_t>(row)];
  return -(hours{r.hours} + minutes{r.minutes}) + hours{dst ? 1 : 0};
}

std::optional<LocalTime> LocalBirthTime(const FormEntries& e) {
  using namespace std::chrono;
  const auto d = WholeNumber(e.cboDate), y = WholeNumber(e.cboYear);
  const auto h = WholeNumber(e.cboHH), m = WholeNumber(e.cboMM), s = WholeNumber(e.cboSS);
  if (!d || !y || !h || !m || !s || e.cboMonth < 0 || e.cboMonth > 11 || *d < 1) return {};
  const year_month_day date{year{*y}, month{static_cast<unsigned>(e.cboMonth + 1)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return {};
  return local_days{date} + hours{*h} + minutes{*m} + seconds{*s};
}

}  // namespace core

#include "sky/retrogrades.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <vector>

#include "sky/station_tables.h"

namespace sky {
namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 5> kPlanets = {"Mercury", "Venus", "Mars", "Jupiter",
                                                      "Saturn"};
constexpr int kFirstPlanetSlot = 2;  // BodyNames slot of Mercury; the others follow in order

// The calendar date of a station row "month,day,year,hour,minute,"; the clock time takes no
// part in the test.
std::optional<sys_days> StationDate(std::string_view row) {
  std::array<int, 3> fields{};  // month, day, year
  for (int& field : fields) {
    const auto [end, error] = std::from_chars(row.data(), row.data() + row.size(), field);
    if (error != std::errc{} || end == row.data() + row.size() || *end != ',') return {};
    row.remove_prefix(static_cast<std::size_t>(end - row.data()) + 1);
  }
  const year_month_day date{year{fields[2]}, month{unsigned(fields[0])}, day{unsigned(fields[1])}};
  if (fields[0] < 1 || fields[0] > 12 || fields[1] < 1 || fields[1] > 31 || !date.ok()) return {};
  return sys_days{date};
}

// One planet's retrograde periods as day counts: starts[i] is the station-retrograde date,
// ends[i] the following station-direct date, both ascending.
struct Periods {
  std::string_view planet;
  std::vector<sys_days> starts;
  std::vector<sys_days> ends;
};

std::vector<Periods> ParseTables() {
  std::vector<Periods> all;
  for (const StationTable& table : StationTables()) {
    Periods periods{table.planet, {}, {}};
    const std::size_t rows = std::min(table.retrograde.size(), table.direct.size());
    for (std::size_t i = 0; i < rows; ++i) {
      const auto start = StationDate(table.retrograde[i]);
      const auto end = StationDate(table.direct[i]);
      if (!start || !end) continue;  // generated data is checked; a bad row cannot match
      periods.starts.push_back(*start);
      periods.ends.push_back(*end);
    }
    all.push_back(std::move(periods));
  }
  return all;
}

// Parsed once on first use; immutable afterwards.
const std::vector<Periods>& ParsedTables() {
  static const std::vector<Periods> tables = ParseTables();
  return tables;
}

}  // namespace

bool IsRetrograde(year_month_day birthDate, std::string_view planet) {
  if (!birthDate.ok()) return false;
  const auto& tables = ParsedTables();
  const auto found = std::find_if(tables.begin(), tables.end(),
                                  [planet](const Periods& p) { return p.planet == planet; });
  if (found == tables.end()) return false;

  // The last period starting strictly before the birth date is the only candidate, since
  // periods do not overlap.
  const Periods& periods = *found;
  const sys_days birth{birthDate};
  const auto next = std::upper_bound(periods.starts.begin(), periods.starts.end(), birth - days{1});
  if (next == periods.starts.begin()) return false;
  const auto i = static_cast<std::size_t>(next - periods.starts.begin()) - 1;
  return periods.starts[i] < birth && birth < periods.ends[i];
}

std::array<bool, core::kBodyCount> RetrogradeBodies(year_month_day birthDate) {
  std::array<bool, core::kBodyCount> retrograde{};
  for (std::size_t k = 0; k < kPlanets.size(); ++k)
    retrograde[kFirstPlanetSlot + k] = IsRetrograde(birthDate, kPlanets[k]);
  return retrograde;
}

void MarkRetrogrades(core::BirthRecord& record) {
  // month and day keep only a byte: out-of-range fields must not wrap into real dates.
  if (record.BirthMonth < 1 || record.BirthMonth > 12 || record.BirthDay < 1 ||
      record.BirthDay > 31)
    return;
  const year_month_day birthDate{year{record.BirthYear}, month{unsigned(record.BirthMonth)},
                                 day{unsigned(record.BirthDay)}};
  const auto retrograde = RetrogradeBodies(birthDate);
  for (std::size_t k = 0; k < retrograde.size(); ++k) {
    if (retrograde[k]) {
      record.BodyNames[k] += kRetrogradeMark;
      record.Retrograde[k] = true;
    }
  }
}

}  // namespace sky

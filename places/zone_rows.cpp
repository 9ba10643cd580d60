#include "places/zone_rows.h"

#include "core/form_entries.h"
#include "core/zone_table.h"

namespace places {

namespace {

constexpr int kHour = 3600;

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Field `index` of a row text "Name,ABBR,offset", trimmed.
std::string_view Field(int row, int index) {
  std::string_view text = core::ZoneTable()[static_cast<std::size_t>(row)].text;
  for (int k = 0; k < index; ++k) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos) return {};
    text.remove_prefix(comma + 1);
  }
  return Trim(text.substr(0, text.find(',')));
}

// The row of offset `offsetSeconds` named `abbreviation`, else the first of that offset.
std::optional<int> RowWithOffset(int offsetSeconds, std::string_view abbreviation) {
  std::optional<int> first;
  for (int row = 0; row < core::kZoneCount; ++row) {
    if (RowOffsetSeconds(row) != offsetSeconds) continue;
    if (!abbreviation.empty() && RowAbbreviation(row) == abbreviation) return row;
    if (!first) first = row;
  }
  return first;
}

}  // namespace

int RowOffsetSeconds(int row) {
  return static_cast<int>(core::ZoneRowOffset(row, false).count());
}

std::string_view RowName(int row) {
  return Field(row, 0);
}
std::string_view RowAbbreviation(int row) {
  return Field(row, 1);
}

std::optional<RowFit> FitRow(int offsetSeconds, bool ahead, std::string_view standardAbbreviation) {
  if (ahead)
    if (auto row = RowWithOffset(offsetSeconds - kHour, standardAbbreviation))
      return RowFit{*row, true};
  if (auto row = RowWithOffset(offsetSeconds, standardAbbreviation)) return RowFit{*row, false};
  return std::nullopt;
}

}  // namespace places

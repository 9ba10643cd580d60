#include "places/zone_rows.h"

#include <cstdlib>

#include "core/birth_value.h"
#include "core/form_entries.h"
#include "core/zone_table.h"

namespace places {

namespace {

namespace chr = std::chrono;

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

Conversion NearestRowConversion(chr::local_seconds local, int offsetSeconds,
                                std::string_view standardAbbreviation) {
  std::optional<int> best;
  for (int row = 0; row < core::kZoneCount; ++row) {
    const int offset = RowOffsetSeconds(row);
    if (!best) {
      best = offset;
      continue;
    }
    const int distance = std::abs(offset - offsetSeconds);
    const int bestDistance = std::abs(*best - offsetSeconds);
    if (distance < bestDistance || (distance == bestDistance && offset < *best)) best = offset;
  }
  const int row = *RowWithOffset(*best, standardAbbreviation);
  const chr::local_seconds converted = local + chr::seconds(*best - offsetSeconds);
  const int year = static_cast<int>(chr::year_month_day(chr::floor<chr::days>(converted)).year());
  return {.row = row,
          .local = converted,
          .secondsDropped = converted != chr::floor<chr::minutes>(converted),
          .outOfRange = year < core::kYearList.first || year > core::kYearList.last};
}

RowChoice ChooseRow(const BirthClock& clock, chr::local_seconds local) {
  RowChoice choice;
  if (!clock.error.empty() || !clock.offsetSeconds) return choice;
  choice.fit =
      FitRow(*clock.offsetSeconds, clock.ahead.value_or(false), clock.standardAbbreviation);
  if (!choice.fit)
    choice.conversion =
        NearestRowConversion(local, *clock.offsetSeconds, clock.standardAbbreviation);
  return choice;
}

}  // namespace places

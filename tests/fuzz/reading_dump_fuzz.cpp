// Any bytes into the reading dump: every line must give exactly one line of valid JSON, an
// error object or a reading, and never crash. A malformed or refused line must leave the
// birth record as it was, and a zone row outside -1..70 is always malformed. The input is
// split into lines as the tool reads them, and all lines share one birth record, as in the
// tool.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <tuple>

#include "reading-dump/dump_line.h"

namespace {

[[noreturn]] void Fail(const char* what, std::string_view line, const std::string& out) {
  std::fprintf(stderr, "reading dump: %s\n  line: %.*s\n  output: %s\n", what,
               static_cast<int>(line.size()), line.data(), out.c_str());
  std::abort();
}

auto Fields(const core::BirthRecord& r) {
  return std::tie(r.PersonName, r.BirthMonth, r.BirthDay, r.BirthYear, r.BirthHour, r.BirthMinute,
                  r.LongitudeDeg, r.LongitudeMin, r.LatitudeDeg, r.LatitudeMin, r.IsEast, r.IsSouth,
                  r.IsDst, r.ZoneHours, r.ZoneMinutes, r.ZoneHoursAbs, r.ZoneMinutesAbs,
                  r.BodyNames, r.PositionTexts, r.PositionNames, r.ChartTexts, r.MoonLongitudeText,
                  r.RashiName, r.AscendantText, r.AyanamsaValue, r.SunTimes, r.PrevSunrise,
                  r.PrevSunset, r.Sunrise, r.Sunset, r.NextSunrise, r.NextSunset, r.BirthMoment,
                  r.BirthDateText, r.WeekdayNumber, r.PeriodSeconds, r.YamardhaSeconds,
                  r.SubPeriodSeconds, r.ElapsedSeconds, r.YamardhaFlags, r.DandaFlags, r.PeriodName,
                  r.LagnaName, r.Yamardhapati, r.Dandadhipati);
}

// Whether the line is a JSON object naming a zone row that the list does not have.
bool HasZoneRowOutsideList(std::string_view line) {
  const auto input = nlohmann::json::parse(line, nullptr, false);
  if (input.is_discarded() || !input.is_object()) return false;
  const auto zone = input.find("cmbTimeZone");
  if (zone == input.end() || !zone->is_number()) return false;
  if (zone->is_number_unsigned()) return zone->get<std::uint64_t>() > 70;
  if (zone->is_number_integer())
    return zone->get<std::int64_t>() < -1 || zone->get<std::int64_t>() > 70;
  return true;  // a fraction is no row
}

// Returns whether the line left the record untouched by design (malformed or refused).
bool CheckOutput(std::string_view line, const std::string& out) {
  if (out.find('\n') != std::string::npos || out.find('\r') != std::string::npos)
    Fail("the output is not one line", line, out);
  const auto j = nlohmann::json::parse(out, nullptr, false);
  if (j.is_discarded()) Fail("the output is not valid JSON", line, out);
  if (!j.is_object()) Fail("the output is not a JSON object", line, out);
  if (j.contains("error")) {
    if (j.size() != 1 || !j["error"].is_string()) Fail("a malformed error object", line, out);
    return true;
  }
  if (HasZoneRowOutsideList(line)) Fail("a zone row outside -1..70 was taken", line, out);
  if (!j.contains("accepted") || !j["accepted"].is_boolean() || !j.contains("record") ||
      !j["record"].is_object() || !j.contains("refusal") || !j.contains("window"))
    Fail("a reading without accepted, refusal, record and window", line, out);
  if (j["accepted"].get<bool>() != j["window"].is_object() ||
      j["accepted"].get<bool>() == j["refusal"].is_object())
    Fail("accepted disagrees with refusal and window", line, out);
  return !j["accepted"].get<bool>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  core::BirthRecord record;
  std::size_t start = 0;
  while (start <= input.size()) {
    const std::size_t end = std::min(input.find('\n', start), input.size());
    const std::string_view line = input.substr(start, end - start);
    const core::BirthRecord before = record;
    const std::string out = dump::ProcessLine(line, record);
    if (CheckOutput(line, out) && Fields(record) != Fields(before))
      Fail("a malformed or refused line changed the record", line, out);
    start = end + 1;
  }
  return 0;
}

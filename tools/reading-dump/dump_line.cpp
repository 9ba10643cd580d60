#include "reading-dump/dump_line.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/entries_json.h"
#include "core/result_sheet.h"
#include "reading/reading.h"

namespace dump {

namespace {

using nlohmann::json;

// A line that is not a well-formed set of entries.
struct Malformed {
  std::string message;
};

core::FormEntries ParseEntries(std::string_view line) {
  const json input = json::parse(line, nullptr, false);
  if (input.is_discarded()) throw Malformed{"The line is not valid JSON."};
  if (!input.is_object()) throw Malformed{"The line is not a JSON object."};
  auto parsed = core::EntriesFromJson(input);
  if (!parsed.error.empty()) throw Malformed{std::move(parsed.error)};
  return std::move(parsed.entries);
}

json DateTimeJson(const core::DateTime& t) {
  if (!t) return nullptr;
  using namespace std::chrono;
  const auto dayStart = floor<days>(*t);
  const year_month_day date{dayStart};
  const hh_mm_ss time{*t - dayStart};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", int(date.year()),
                unsigned(date.month()), unsigned(date.day()), int(time.hours().count()),
                int(time.minutes().count()), int(time.seconds().count()));
  return text;
}

json RecordJson(const core::BirthRecord& r) {
  json sunTimes = json::array();
  for (const auto& t : r.SunTimes) sunTimes.push_back(DateTimeJson(t));
  return {
      {"PersonName", r.PersonName},
      {"BirthMonth", r.BirthMonth},
      {"BirthDay", r.BirthDay},
      {"BirthYear", r.BirthYear},
      {"BirthHour", r.BirthHour},
      {"BirthMinute", r.BirthMinute},
      {"LongitudeDeg", r.LongitudeDeg},
      {"LongitudeMin", r.LongitudeMin},
      {"LatitudeDeg", r.LatitudeDeg},
      {"LatitudeMin", r.LatitudeMin},
      {"IsEast", r.IsEast},
      {"IsSouth", r.IsSouth},
      {"IsDst", r.IsDst},
      {"ZoneHours", r.ZoneHours},
      {"ZoneMinutes", r.ZoneMinutes},
      {"ZoneHoursAbs", r.ZoneHoursAbs},
      {"ZoneMinutesAbs", r.ZoneMinutesAbs},
      {"BodyNames", r.BodyNames},
      {"PositionTexts", r.PositionTexts},
      {"PositionNames", r.PositionNames},
      {"ChartTexts", r.ChartTexts},
      {"MoonLongitudeText", r.MoonLongitudeText},
      {"RashiName", r.RashiName},
      {"AscendantText", r.AscendantText},
      {"AyanamsaValue", r.AyanamsaValue},
      {"SunTimes", sunTimes},
      {"PrevSunrise", DateTimeJson(r.PrevSunrise)},
      {"PrevSunset", DateTimeJson(r.PrevSunset)},
      {"Sunrise", DateTimeJson(r.Sunrise)},
      {"Sunset", DateTimeJson(r.Sunset)},
      {"NextSunrise", DateTimeJson(r.NextSunrise)},
      {"NextSunset", DateTimeJson(r.NextSunset)},
      {"BirthMoment", DateTimeJson(r.BirthMoment)},
      {"BirthDateText", r.BirthDateText},
      {"WeekdayNumber", r.WeekdayNumber},
      {"PeriodSeconds", r.PeriodSeconds},
      {"YamardhaSeconds", r.YamardhaSeconds},
      {"SubPeriodSeconds", r.SubPeriodSeconds},
      {"ElapsedSeconds", r.ElapsedSeconds},
      {"YamardhaFlags", r.YamardhaFlags},
      {"DandaFlags", r.DandaFlags},
      {"PeriodName", r.PeriodName},
      {"LagnaName", r.LagnaName},
      {"Yamardhapati", r.Yamardhapati},
      {"Dandadhipati", r.Dandadhipati},
  };
}

json WindowJson(const core::ResultSheet& sheet) {
  json captions = json::object();
  for (const auto& widget : core::WrittenWidgets())
    captions[std::string(widget.name)] = sheet.Caption(widget.name);
  json highlighted = json::array();
  for (std::size_t k = 0; k < sheet.highlighted.size(); ++k)
    if (sheet.highlighted[k]) highlighted.push_back(std::string(core::kSignPictureBoxes[k]));
  json runs = json::array();
  for (const auto& run : sheet.RTB)
    runs.push_back({{"emphasis", run.emphasis},
                    {"colour", {run.colour.r, run.colour.g, run.colour.b}},
                    {"text", run.text}});
  return {{"captions", captions}, {"highlighted", highlighted}, {"RTB", runs}};
}

std::string IconName(reading::MessageIcon icon) {
  return icon == reading::MessageIcon::Error ? "error" : "information";
}

std::string Serialised(const json& j) {
  return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string ProcessLine(std::string_view line, core::BirthRecord& record) {
  try {
    const core::FormEntries entries = ParseEntries(line);
    core::ResultSheet sheet;
    const auto refusal = reading::RunReading(entries, record, sheet);
    json out = {{"accepted", !refusal}, {"refusal", nullptr}, {"window", nullptr}};
    if (refusal) {
      out["refusal"] = {{"message", refusal->message},
                        {"icon", IconName(refusal->icon)},
                        {"focus", refusal->focus ? json(*refusal->focus) : json(nullptr)}};
    } else {
      out["window"] = WindowJson(sheet);
    }
    out["record"] = RecordJson(record);
    return Serialised(out);
  } catch (const Malformed& m) {
    return Serialised(json{{"error", m.message}});
  } catch (const std::exception& ex) {
    return Serialised(json{{"error", std::string("The line could not be read: ") + ex.what()}});
  }
}

}  // namespace dump

#include "reading-dump/dump_line.h"

#include <array>
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/form_entries.h"
#include "core/reading.h"
#include "core/result_sheet.h"
#include "core/zone_table.h"

namespace dump {

namespace {

using nlohmann::json;

// A line that is not a well-formed set of entries.
struct Malformed {
  std::string message;
};

std::string Quoted(std::string_view key) {
  return "\"" + std::string(key) + "\"";
}

// Index of value in a pick-only list whose entries are the numbers first..last.
std::string NumberPick(const json& value, std::string_view key, int first, int last) {
  if (!value.is_string()) throw Malformed{Quoted(key) + " must be a string."};
  const std::string text = value.get<std::string>();
  for (int n = first; n <= last; ++n)
    if (text == std::to_string(n)) return text;
  throw Malformed{Quoted(key) + " must be one of the list's entries \"" + std::to_string(first) +
                  "\" to \"" + std::to_string(last) + "\"."};
}

std::string Text(const json& value, std::string_view key) {
  if (!value.is_string()) throw Malformed{Quoted(key) + " must be a string."};
  return value.get<std::string>();
}

bool Choice(const json& value, std::string_view key, std::string_view first,
            std::string_view second) {
  const std::string text = Text(value, key);
  if (text == first) return true;
  if (text == second) return false;
  throw Malformed{Quoted(key) + " must be \"" + std::string(first) + "\" or \"" +
                  std::string(second) + "\"."};
}

int MonthPick(const json& value) {
  const std::string text = Text(value, "cboMonth");
  for (int m = 1; m <= 12; ++m)
    if (text == core::MonthName(m)) return m - 1;
  throw Malformed{"\"cboMonth\" must be a month name from \"January\" to \"December\"."};
}

core::FormEntries ParseEntries(std::string_view line) {
  const json input = json::parse(line, nullptr, false);
  if (input.is_discarded()) throw Malformed{"The line is not valid JSON."};
  if (!input.is_object()) throw Malformed{"The line is not a JSON object."};
  core::FormEntries e;
  for (const auto& [key, value] : input.items()) {
    if (key == "txtName")
      e.txtName = Text(value, key);
    else if (key == "cboMonth")
      e.cboMonth = MonthPick(value);
    else if (key == "cboDate")
      e.cboDate = NumberPick(value, key, 1, 31);
    else if (key == "cboYear")
      e.cboYear = NumberPick(value, key, 1901, 2050);
    else if (key == "cboHH")
      e.cboHH = NumberPick(value, key, 0, 23);
    else if (key == "cboMM")
      e.cboMM = NumberPick(value, key, 0, 59);
    else if (key == "cboSS")
      e.cboSS = NumberPick(value, key, 0, 59);
    else if (key == "txtMCity")
      e.txtMCity = Text(value, key);
    else if (key == "txtMState")
      e.txtMState = Text(value, key);
    else if (key == "txtMCountry")
      e.txtMCountry = Text(value, key);
    else if (key == "txtLonD")
      e.txtLonD = Text(value, key);
    else if (key == "txtLonM")
      e.txtLonM = Text(value, key);
    else if (key == "txtLatD")
      e.txtLatD = Text(value, key);
    else if (key == "txtLatM")
      e.txtLatM = Text(value, key);
    else if (key == "optLong")
      e.optLongEast = Choice(value, key, "East", "West");
    else if (key == "optLat")
      e.optLatNorth = Choice(value, key, "North", "South");
    else if (key == "chkDST") {
      if (!value.is_boolean()) throw Malformed{"\"chkDST\" must be true or false."};
      e.chkDST = value.get<bool>();
    } else if (key == "cmbTimeZone") {
      // A number above the signed range reads as negative through get<long long>() (2^64 - 1
      // would pass as -1), so unsigned numbers are compared as unsigned.
      const bool inList = value.is_number_unsigned()
                              ? value.get<unsigned long long>() < core::kZoneCount
                              : value.is_number_integer() && value.get<long long>() >= -1 &&
                                    value.get<long long>() < core::kZoneCount;
      if (!inList) throw Malformed{"\"cmbTimeZone\" must be a whole number from -1 to 70."};
      e.cmbTimeZone = value.get<int>();
    } else {
      throw Malformed{"Unknown key " + Quoted(key) + "."};
    }
  }
  return e;
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

std::string IconName(core::MessageIcon icon) {
  return icon == core::MessageIcon::Error ? "error" : "information";
}

std::string Serialised(const json& j) {
  return j.dump(-1, ' ', false, json::error_handler_t::replace);
}

}  // namespace

std::string ProcessLine(std::string_view line, core::BirthRecord& record) {
  try {
    const core::FormEntries entries = ParseEntries(line);
    core::ResultSheet sheet;
    const auto refusal = core::RunReading(entries, record, sheet);
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

#include "core/entries_json.h"

#include "core/calculation_json.h"
#include "core/form_fields.h"
#include "core/quoted_text.h"
#include "core/zone_table.h"

namespace core {

namespace {

using nlohmann::json;

// A key whose value its widget cannot hold.
struct Malformed {
  std::string message;
};

// A key in quotes; an unknown one is the file's own text.
std::string Quoted(std::string_view key) {
  return '"' + QuoteForMessage(key) + '"';
}

std::string ListRangeMessage(const NumberList& list) {
  return Quoted(list.key) + " must be one of the list's entries \"" + std::to_string(list.first) +
         "\" to \"" + std::to_string(list.last) + "\".";
}

// Whether the text is one of the list's entries: a whole number written as std::to_string
// writes it (no sign, no leading zero, no blank) within first..last.
bool InList(std::string_view text, const NumberList& list) {
  if (text.empty() || text.size() > 9 || (text.size() > 1 && text[0] == '0')) return false;
  int value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return value >= list.first && value <= list.last;
}

std::string Text(const json& value, std::string_view key) {
  if (!value.is_string()) throw Malformed{Quoted(key) + " must be a string."};
  return value.get<std::string>();
}

// The value's text when it is one of the list's entries.
std::string NumberPick(const json& value, const NumberList& list) {
  std::string text = Text(value, list.key);
  if (!InList(text, list)) throw Malformed{ListRangeMessage(list)};
  return text;
}

bool Choice(const json& value, std::string_view key, std::string_view first,
            std::string_view second) {
  const std::string text = Text(value, key);
  if (text == first) return true;
  if (text == second) return false;
  throw Malformed{Quoted(key) + " must be \"" + std::string(first) + "\" or \"" +
                  std::string(second) + "\"."};
}

const char* const kMonthMessage =
    "\"cboMonth\" must be a month name from \"January\" to \"December\".";
const char* const kZoneMessage = "\"cmbTimeZone\" must be a whole number from -1 to 70.";

// The offsets a birth may be read on, seconds east: UTC-12:00 to UTC+14:00, as the tz database
// has them (places::kMinOffsetSeconds..kMaxOffsetSeconds, which the atlas decides within).
constexpr long long kMinOffset = -12 * 3600, kMaxOffset = 14 * 3600;
const char* const kOffsetMessage =
    "\"utcOffsetSeconds\" must be a whole number of seconds from -43200 to 50400.";

bool OffsetInRange(long long seconds) {
  return seconds >= kMinOffset && seconds <= kMaxOffset;
}

int OffsetPick(const json& value) {
  const bool inRange = value.is_number_unsigned()
                           ? value.get<unsigned long long>() <= kMaxOffset
                           : value.is_number_integer() && OffsetInRange(value.get<long long>());
  if (!inRange) throw Malformed{kOffsetMessage};
  return value.get<int>();
}

int MonthPick(const json& value) {
  const std::string text = Text(value, "cboMonth");
  for (int m = 1; m <= 12; ++m)
    if (text == MonthName(m)) return m - 1;
  throw Malformed{kMonthMessage};
}

int ZonePick(const json& value) {
  // A number above the signed range reads as negative through get<long long>() (2^64 - 1
  // would pass as -1), so unsigned numbers are compared as unsigned.
  const bool inList = value.is_number_unsigned()
                          ? value.get<unsigned long long>() < kZoneCount
                          : value.is_number_integer() && value.get<long long>() >= -1 &&
                                value.get<long long>() < kZoneCount;
  if (!inList) throw Malformed{kZoneMessage};
  return value.get<int>();
}

// The two option texts of a pair and the entry they set, the first text meaning true.
struct OptionTexts {
  std::string_view first, second;
  bool FormEntries::*choice;
};
OptionTexts OptionsOf(std::string_view key) {
  if (key == "optLong") return {"East", "West", &FormEntries::optLongEast};
  return {"North", "South", &FormEntries::optLatNorth};
}

void ReadKey(const std::string& key, const json& value, FormEntries& e) {
  if (key == "calculation") {
    ParsedCalculation parsed = CalculationFromJson(value);
    if (!parsed.error.empty()) throw Malformed{std::move(parsed.error)};
    e.calculation = parsed.calculation;
    return;
  }
  if (key == kUtcOffsetKey) {  // no widget of its own: the zone list's extra entry
    e.utcOffsetSeconds = OffsetPick(value);
    return;
  }
  const FormField* field = FieldByKey(key);
  if (!field) throw Malformed{"Unknown key " + Quoted(key) + "."};
  switch (field->widget) {
    case FieldWidget::TextBox:
      e.*field->text = Text(value, key);
      break;
    case FieldWidget::PickList:
      if (field->list)  // the year list as wide as the calculation read before it
        e.*field->text =
            NumberPick(value, field->list == &kYearList ? YearListOf(e) : *field->list);
      else
        e.cboMonth = MonthPick(value);
      break;
    case FieldWidget::ZoneList:
      e.cmbTimeZone = ZonePick(value);
      break;
    case FieldWidget::CheckBox:
      if (!value.is_boolean()) throw Malformed{Quoted(key) + " must be true or false."};
      e.chkDST = value.get<bool>();
      break;
    case FieldWidget::OptionPair: {
      const OptionTexts options = OptionsOf(key);
      e.*options.choice = Choice(value, key, options.first, options.second);
      break;
    }
  }
}

}  // namespace

std::optional<std::string> ReadEntry(const std::string& key, const json& value, FormEntries& e) {
  try {
    ReadKey(key, value, e);
  } catch (const Malformed& m) {
    return m.message;
  }
  return std::nullopt;
}

ParsedEntries EntriesFromJson(const json& object, FormEntries defaults) {
  ParsedEntries parsed{std::move(defaults), {}};
  for (const auto& [key, value] : object.items()) {
    if (auto error = ReadEntry(key, value, parsed.entries)) {
      parsed.error = std::move(*error);
      break;
    }
  }
  return parsed;
}

nlohmann::ordered_json EntriesToJson(const FormEntries& e) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  for (const FormField& field : kFormFields) {
    const std::string key(field.jsonKey);
    switch (field.widget) {
      case FieldWidget::TextBox:
        out[key] = e.*field.text;
        break;
      case FieldWidget::PickList:
        out[key] = field.text ? e.*field.text : std::string(MonthName(e.cboMonth + 1));
        break;
      case FieldWidget::ZoneList:
        out[key] = e.cmbTimeZone;
        break;
      case FieldWidget::CheckBox:
        out[key] = e.chkDST;
        break;
      case FieldWidget::OptionPair: {
        const OptionTexts options = OptionsOf(key);
        out[key] = std::string(e.*options.choice ? options.first : options.second);
        break;
      }
    }
  }
  if (e.calculation) out["calculation"] = CalculationToJson(*e.calculation);
  if (e.utcOffsetSeconds) out[std::string(kUtcOffsetKey)] = *e.utcOffsetSeconds;
  return out;
}

std::optional<std::string> ListEntryProblem(const FormEntries& e) {
  if (e.cboMonth < 0 || e.cboMonth > 11) return kMonthMessage;
  const std::pair<const std::string*, const NumberList*> lists[] = {{&e.cboDate, &kDateList},
                                                                    {&e.cboYear, &YearListOf(e)},
                                                                    {&e.cboHH, &kHourList},
                                                                    {&e.cboMM, &kMinuteList},
                                                                    {&e.cboSS, &kSecondList}};
  for (const auto& [text, list] : lists)
    if (!InList(*text, *list)) return ListRangeMessage(*list);
  if (e.cmbTimeZone < -1 || e.cmbTimeZone >= kZoneCount) return kZoneMessage;
  if (e.utcOffsetSeconds && !OffsetInRange(*e.utcOffsetSeconds)) return kOffsetMessage;
  return std::nullopt;
}

}  // namespace core

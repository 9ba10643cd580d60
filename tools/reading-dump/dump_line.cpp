#include "reading-dump/dump_line.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <optional>
#include <vector>

#include "core/entries_json.h"
#include "core/result_sheet.h"
#include "line-bounds/line_bounds.h"
#include "reading-dump/json_out.h"
#include "reading/birth_panchanga.h"
#include "reading/reading.h"
#include "reading/timing.h"
#include "swiss/swiss_ephemeris.h"
#include "varga/vargas.h"

namespace dump {

namespace {

using nlohmann::json;

// A line that is not a well-formed set of entries.
struct Malformed {
  std::string message;
};

// Collects the top-level keys of one JSON object and their values, without building a
// document: a nested array or object is kept only as its kind, which is all a refusal names.
class EntryCollector : public nlohmann::json_sax<json> {
 public:
  std::vector<std::pair<std::string, json>> entries;
  bool isObject = false;

  bool null() override { return Value(nullptr); }
  bool boolean(bool v) override { return Value(v); }
  bool number_integer(number_integer_t v) override { return Value(v); }
  bool number_unsigned(number_unsigned_t v) override { return Value(v); }
  bool number_float(number_float_t v, const string_t&) override { return Value(v); }
  bool string(string_t& v) override { return Value(std::move(v)); }
  bool binary(binary_t&) override { return Value(nullptr); }
  bool start_object(std::size_t) override { return Open(json::object()); }
  bool end_object() override { return Close(); }
  bool start_array(std::size_t) override { return Open(json::array()); }
  bool end_array() override { return Close(); }
  bool key(string_t& k) override {
    if (depth_ == 1) entries.emplace_back(std::move(k), nullptr);
    return true;
  }
  bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
    return false;
  }
  // Set when the line nests deeper than the tools read: parsing stopped there.
  bool tooDeep = false;

 private:
  // A value directly inside the top-level object, which a key has always come before.
  bool AtTop() const { return depth_ == 1 && isObject; }
  bool Value(json v) {
    if (AtTop()) entries.back().second = std::move(v);
    return true;
  }
  bool Open(json kind) {
    if (depth_ == lines::kDeepestNesting) {
      tooDeep = true;  // stops the parse before anything deeper is held
      return false;
    }
    if (depth_ == 0) isObject = kind.is_object();
    if (AtTop()) entries.back().second = std::move(kind);
    ++depth_;
    return true;
  }
  bool Close() {
    --depth_;
    return true;
  }
  int depth_ = 0;
};

// What a line asks beside the reading: the "extras" key.
struct Extras {
  bool nakshatra = false, dasha = false;
  bool sources = false;  // per body, what gave its position (the Swiss Ephemeris's keys)
  bool vargas = false, panchanga = false;
};

Extras ReadExtras(const json& value) {
  const char* const kMessage = "\"extras\" must be a list of \"nakshatra\", \"dasha\" or both.";
  Extras extras;
  if (!value.is_array() || value.empty()) throw Malformed{kMessage};
  for (const json& item : value) {
    if (item == "nakshatra")
      extras.nakshatra = true;
    else if (item == "dasha")
      extras.dasha = true;
    else if (item == "sources")
      extras.sources = true;
    else if (item == "vargas")
      extras.vargas = true;
    else if (item == "panchanga")
      extras.panchanga = true;
    else
      throw Malformed{kMessage};
  }
  return extras;
}

struct LineEntries {
  core::FormEntries entries;
  Extras extras;
};

// The entries of one line. Keys are read in key order and a repeated key counts once with
// its last value, as a parsed JSON object holds them.
LineEntries ParseEntries(std::string_view line) {
  EntryCollector collector;
  if (!json::sax_parse(line, &collector))
    throw Malformed{collector.tooDeep ? lines::kTooDeep : "The line is not valid JSON."};
  if (!collector.isObject) throw Malformed{"The line is not a JSON object."};
  auto& entries = collector.entries;
  std::stable_sort(entries.begin(), entries.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  LineEntries e;
  std::optional<json> document;  // parsed whole only for the keys that hold an object or list
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i + 1 < entries.size() && entries[i + 1].first == entries[i].first) continue;
    auto& [key, value] = entries[i];
    if ((key == "calculation" || key == "extras") && value.is_structured()) {
      if (!document) document = json::parse(line);
      value = (*document)[key];
    }
    if (key == "extras") {
      e.extras = ReadExtras(value);
      continue;
    }
    if (auto error = core::ReadEntry(key, value, e.entries)) throw Malformed{std::move(*error)};
  }
  return e;
}

void DateTimeOut(JsonOut& out, const core::DateTime& t) {
  if (!t) {
    out.Null();
    return;
  }
  using namespace std::chrono;
  const auto dayStart = floor<days>(*t);
  const year_month_day date{dayStart};
  const hh_mm_ss time{*t - dayStart};
  const int year = int(date.year());
  char text[32];
  if (year < 0 || year > 9999) {
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02d:%02d:%02d", year, unsigned(date.month()),
                  unsigned(date.day()), int(time.hours().count()), int(time.minutes().count()),
                  int(time.seconds().count()));
    out.String(text);
    return;
  }
  // "YYYY-MM-DDThh:mm:ss", written digit by digit: the dump writes nine of these per line.
  const auto two = [&](char* at, unsigned v) {
    at[0] = char('0' + v / 10);
    at[1] = char('0' + v % 10);
  };
  two(text, unsigned(year) / 100);
  two(text + 2, unsigned(year) % 100);
  text[4] = '-';
  two(text + 5, unsigned(date.month()));
  text[7] = '-';
  two(text + 8, unsigned(date.day()));
  text[10] = 'T';
  two(text + 11, unsigned(time.hours().count()));
  text[13] = ':';
  two(text + 14, unsigned(time.minutes().count()));
  text[16] = ':';
  two(text + 17, unsigned(time.seconds().count()));
  out.String(std::string_view(text, 19));
}

template <typename Container>
void Strings(JsonOut& out, const Container& texts) {
  out.BeginArray();
  for (const auto& text : texts) out.String(text);
  out.EndArray();
}

template <std::size_t N>
void Flags(JsonOut& out, const std::array<bool, N>& flags) {
  out.BeginArray();
  for (const bool flag : flags) out.Bool(flag);
  out.EndArray();
}

// The record's fields in key order, as the dump has always listed them.
void CalculationOut(JsonOut& out, const core::BirthRecord& r, bool sources) {
  const core::Calculation c = r.Birth.calculation.value_or(core::Calculation{});
  const bool swiss = c.ephemeris == core::EphemerisChoice::Swiss;
  const auto choice = [&](std::string_view name) { swiss ? out.String(name) : out.Null(); };
  out.BeginObject().Key("ayanamsa");
  choice(core::AyanamsaName(c.swiss.ayanamsa));
  out.Key("ephemeris").String(core::EphemerisName(c.ephemeris));
  out.Key("files").Bool(r.EphemerisFiles);
  out.Key("library");
  static const std::string version = swiss::LibraryVersion();
  choice(version);
  out.Key("node");
  choice(core::NodeName(c.swiss.node));
  if (sources) {  // Sun .. Ketu: the files or the analytical ephemeris
    out.Key("sources").BeginArray();
    for (const bool files : r.BodyFromFiles) choice(files ? "files" : "analytical");
    out.EndArray();
  }
  out.Key("sunrise");
  choice(core::SunriseName(c.swiss.sunrise));
  out.EndObject();
}

// The record's fields in key order, as the dump has always listed them; with a calculation
// chosen, also the longitudes and the calculation.
void RecordOut(JsonOut& out, const core::BirthRecord& r, bool withCalculation, bool sources) {
  out.BeginObject();
  out.Key("AscendantText").String(r.AscendantText);
  out.Key("AyanamsaValue").Double(r.AyanamsaValue);
  out.Key("BirthDateText").String(r.BirthDateText);
  out.Key("BirthDay").Int(r.BirthDay);
  out.Key("BirthHour").Int(r.BirthHour);
  out.Key("BirthMinute").Int(r.BirthMinute);
  out.Key("BirthMoment");
  DateTimeOut(out, r.BirthMoment);
  out.Key("BirthMonth").Int(r.BirthMonth);
  out.Key("BirthYear").Int(r.BirthYear);
  out.Key("BodyNames");
  Strings(out, r.BodyNames);
  if (withCalculation) {
    out.Key("Calculation");
    CalculationOut(out, r, sources);
  }
  out.Key("ChartTexts");
  Strings(out, r.ChartTexts);
  out.Key("DandaFlags");
  Flags(out, r.DandaFlags);
  out.Key("Dandadhipati").String(r.Dandadhipati);
  out.Key("ElapsedSeconds").Int(r.ElapsedSeconds);
  out.Key("IsDst").Bool(r.IsDst);
  out.Key("IsEast").Bool(r.IsEast);
  out.Key("IsSouth").Bool(r.IsSouth);
  out.Key("LagnaName").String(r.LagnaName);
  out.Key("LatitudeDeg").Int(r.LatitudeDeg);
  out.Key("LatitudeMin").Int(r.LatitudeMin);
  out.Key("LongitudeDeg").Int(r.LongitudeDeg);
  out.Key("LongitudeMin").Int(r.LongitudeMin);
  if (withCalculation) {
    out.Key("Longitudes").BeginArray();
    for (const double longitude : r.Longitudes) out.Double(longitude);
    out.EndArray();
  }
  out.Key("MoonLongitudeText").String(r.MoonLongitudeText);
  out.Key("NextSunrise");
  DateTimeOut(out, r.NextSunrise);
  out.Key("NextSunset");
  DateTimeOut(out, r.NextSunset);
  out.Key("PeriodName").String(r.PeriodName);
  out.Key("PeriodSeconds").Int(r.PeriodSeconds);
  out.Key("PersonName").String(r.PersonName);
  out.Key("PositionNames");
  Strings(out, r.PositionNames);
  out.Key("PositionTexts");
  Strings(out, r.PositionTexts);
  out.Key("PrevSunrise");
  DateTimeOut(out, r.PrevSunrise);
  out.Key("PrevSunset");
  DateTimeOut(out, r.PrevSunset);
  out.Key("RashiName").String(r.RashiName);
  out.Key("SubPeriodSeconds").Int(r.SubPeriodSeconds);
  out.Key("SunTimes").BeginArray();
  for (const auto& t : r.SunTimes) DateTimeOut(out, t);
  out.EndArray();
  out.Key("Sunrise");
  DateTimeOut(out, r.Sunrise);
  out.Key("Sunset");
  DateTimeOut(out, r.Sunset);
  out.Key("WeekdayNumber").Int(r.WeekdayNumber);
  out.Key("YamardhaFlags");
  Flags(out, r.YamardhaFlags);
  out.Key("YamardhaSeconds").Int(r.YamardhaSeconds);
  out.Key("Yamardhapati").String(r.Yamardhapati);
  out.Key("ZoneHours").Int(r.ZoneHours);
  out.Key("ZoneHoursAbs").Int(r.ZoneHoursAbs);
  out.Key("ZoneMinutes").Int(r.ZoneMinutes);
  out.Key("ZoneMinutesAbs").Int(r.ZoneMinutesAbs);
  out.EndObject();
}

// The written widgets in name order, as the dump lists their captions.
const std::vector<std::string_view>& WidgetsByName() {
  static const std::vector<std::string_view> names = [] {
    std::vector<std::string_view> sorted;
    for (const auto& widget : core::WrittenWidgets()) sorted.push_back(widget.name);
    std::sort(sorted.begin(), sorted.end());
    return sorted;
  }();
  return names;
}

void WindowOut(JsonOut& out, const core::ResultSheet& sheet) {
  out.BeginObject().Key("RTB").BeginArray();
  for (const auto& run : sheet.RTB) {
    out.BeginObject().Key("colour").BeginArray();
    out.Int(run.colour.r).Int(run.colour.g).Int(run.colour.b).EndArray();
    out.Key("emphasis").Bool(run.emphasis).Key("text").String(run.text).EndObject();
  }
  out.EndArray().Key("captions").BeginObject();
  for (const auto name : WidgetsByName()) out.Key(name).String(sheet.Caption(name));
  out.EndObject().Key("highlighted").BeginArray();
  for (std::size_t k = 0; k < core::kSignPictureBoxes.size(); ++k)
    if (sheet.Highlighted(static_cast<int>(k))) out.String(core::kSignPictureBoxes[k]);
  out.EndArray().EndObject();
}

void DateOut(JsonOut& out, std::chrono::year_month_day date) {
  char text[24];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u", int(date.year()), unsigned(date.month()),
                unsigned(date.day()));
  out.String(text);
}

void PeriodOut(JsonOut& out, const dasha::Period& p) {
  out.Key("end");
  DateOut(out, p.endDate);
  out.Key("lord").String(dasha::LordName(p.lord)).Key("start");
  DateOut(out, p.startDate);
}

void DashaOut(JsonOut& out, const std::optional<dasha::Vimshottari>& d) {
  if (!d) {
    out.Null();
    return;
  }
  const dasha::Balance& b = d->balance;
  out.BeginObject().Key("balance").BeginObject();
  out.Key("days").Int(b.days).Key("lord").String(dasha::LordName(b.lord));
  out.Key("months").Int(b.months).Key("years").Int(b.years).EndObject();
  out.Key("mahadashas").BeginArray();
  for (const dasha::Mahadasha& m : d->mahadashas) {
    out.BeginObject().Key("antardashas").BeginArray();
    for (const dasha::Period& a : m.antardashas) {
      out.BeginObject();
      PeriodOut(out, a);
      out.EndObject();
    }
    out.EndArray();
    PeriodOut(out, m.period);
    out.EndObject();
  }
  out.EndArray().Key("yearDays").Double(d->yearDays).EndObject();
}

void NakshatrasOut(JsonOut& out, const reading::Timing& timing) {
  out.BeginArray();
  for (const auto& n : timing.nakshatras) {
    if (!n) {
      out.Null();
      continue;
    }
    out.BeginObject().Key("lord").String(dasha::LordName(n->lord));
    out.Key("nakshatra").String(dasha::NakshatraName(n->number));
    out.Key("number").Int(n->number).Key("pada").Int(n->pada).EndObject();
  }
  out.EndArray();
}

// The charts by their keys in key order ("D1", "D10", ..., "D9"), each the ten bodies' signs,
// then the bodies in the same sign in D1 and D9.
void VargasOut(JsonOut& out, const core::BirthRecord& r) {
  const varga::Vargas v = varga::VargasOf(r.Longitudes);
  static const std::array<std::size_t, varga::kChartCount> byKey = [] {
    std::array<std::size_t, varga::kChartCount> order{};
    for (std::size_t c = 0; c < order.size(); ++c) order[c] = c;
    std::sort(order.begin(), order.end(), [](std::size_t a, std::size_t b) {
      return varga::ChartKey(varga::kCharts[a]) < varga::ChartKey(varga::kCharts[b]);
    });
    return order;
  }();
  static constexpr std::array<std::string_view, core::kBodyCount> kBodies = {
      "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "ascendant"};
  out.Key("vargas").BeginObject();
  for (const std::size_t c : byKey) {
    out.Key(varga::ChartKey(varga::kCharts[c])).BeginArray();
    for (const std::int8_t sign : v.charts[c])
      sign < 0 ? out.Null() : out.String(varga::SignName(sign));
    out.EndArray();
  }
  out.EndObject().Key("vargottama").BeginArray();
  for (int body = 0; body < core::kBodyCount; ++body)
    if (v.vargottama[body]) out.String(kBodies[body]);
  out.EndArray();
}

// One element's keys in key order: "end", "name", "number", ("paksha"), "start".
void ElementOut(JsonOut& out, const panchanga::Element& e, std::string_view name,
                std::chrono::seconds offset, std::string_view paksha = {}) {
  const auto local = [&](std::chrono::sys_seconds t) {
    return core::DateTime{core::LocalTime{t.time_since_epoch() + offset}};
  };
  out.BeginObject().Key("end");
  DateTimeOut(out, local(e.end));
  out.Key("name").String(name).Key("number").Int(e.number);
  if (!paksha.empty()) out.Key("paksha").String(paksha);
  out.Key("start");
  DateTimeOut(out, local(e.start));
  out.EndObject();
}

void PanchangaOut(JsonOut& out, const core::BirthRecord& r) {
  out.Key("panchanga");
  const auto p = reading::PanchangaOf(r);
  if (!p) {
    out.Null();
    return;
  }
  const auto offset = r.Birth.offset.east;
  const panchanga::Elements& e = p->elements;
  out.BeginObject().Key("karana");
  ElementOut(out, e.karana, panchanga::KaranaName(e.karana.number), offset);
  out.Key("nakshatra");
  ElementOut(out, e.nakshatra, dasha::NakshatraName(e.nakshatra.number), offset);
  out.Key("tithi");
  ElementOut(out, e.tithi, panchanga::TithiName(e.tithi.number), offset,
             panchanga::PakshaName(e.tithi.number));
  out.Key("vara").BeginObject().Key("lord").String(panchanga::WeekdayLord(p->vara.day));
  out.Key("name").String(panchanga::WeekdayName(p->vara.day)).EndObject();
  out.Key("yoga");
  ElementOut(out, e.yoga, panchanga::YogaName(e.yoga.number), offset);
  out.EndObject();
}

std::string_view IconName(reading::MessageIcon icon) {
  return icon == reading::MessageIcon::Error ? "error" : "information";
}

std::string ErrorLine(std::string_view message) {
  std::string line;
  JsonOut(line).BeginObject().Key("error").String(message).EndObject();
  return line;
}

}  // namespace

std::string ProcessLine(std::string_view line, core::BirthRecord& record) {
  try {
    const auto [entries, extras] = ParseEntries(line);
    core::ResultSheet sheet;
    const auto refusal = reading::RunReading(entries, record, sheet);
    std::string text;
    text.reserve(4096);
    JsonOut out(text);
    out.BeginObject().Key("accepted").Bool(!refusal);
    if (!refusal && (extras.dasha || extras.nakshatra)) {
      const reading::Timing timing = reading::TimingOf(record);
      if (extras.dasha) DashaOut(out.Key("dasha"), timing.dasha);
      if (extras.nakshatra) NakshatrasOut(out.Key("nakshatras"), timing);
    }
    if (!refusal && extras.panchanga) PanchangaOut(out, record);
    out.Key("record");
    RecordOut(out, record, entries.calculation.has_value(), extras.sources);
    out.Key("refusal");
    if (refusal) {
      out.BeginObject().Key("focus");
      refusal->focus ? out.String(*refusal->focus) : out.Null();
      out.Key("icon").String(IconName(refusal->icon));
      out.Key("message").String(refusal->message).EndObject();
    } else {
      out.Null();
    }
    if (!refusal && extras.vargas) VargasOut(out, record);
    out.Key("window");
    refusal ? out.Null() : (WindowOut(out, sheet), out);
    out.EndObject();
    return text;
  } catch (const Malformed& m) {
    return ErrorLine(m.message);
  } catch (const std::exception& ex) {
    return ErrorLine(std::string("The line could not be read: ") + ex.what());
  }
}

}  // namespace dump

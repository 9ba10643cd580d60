#include "place-lookup/lookup_line.h"

#include <chrono>
#include <nlohmann/json.hpp>
#include <optional>

#include "core/birth_value.h"
#include "core/entries_json.h"
#include "core/form_entries.h"
#include "core/form_fields.h"
#include "line-bounds/line_bounds.h"
#include "places/clock_decision.h"
#include "places/clock_status.h"
#include "places/coordinates.h"
#include "places/zone_rows.h"

namespace lookup {

namespace {

using nlohmann::ordered_json;
namespace chr = std::chrono;

struct Malformed {
  std::string message;
};

struct Question {
  std::string query;
  core::FormEntries when;  // the date and time lists; absent keys keep the dump's defaults
  bool later = false;
};

Question ParseQuestion(std::string_view line) {
  // A list or object deeper than the tools read is left out of the document (and so never
  // held), and the line refused.
  bool tooDeep = false;
  const auto bound = [&tooDeep](int depth, nlohmann::json::parse_event_t event, nlohmann::json&) {
    using Event = nlohmann::json::parse_event_t;
    if ((event == Event::object_start || event == Event::array_start) &&
        depth >= lines::kDeepestNesting)
      tooDeep = true;
    return !tooDeep;
  };
  const nlohmann::json input = nlohmann::json::parse(line, bound, false);
  if (tooDeep) throw Malformed{lines::kTooDeep};
  if (input.is_discarded()) throw Malformed{"The line is not valid JSON."};
  if (!input.is_object()) throw Malformed{"The line is not a JSON object."};
  Question q;
  // The clock is decided for every year a calculation reads: the year list is the widest one,
  // the Swiss Ephemeris's.
  q.when.calculation = core::Calculation{.ephemeris = core::EphemerisChoice::Swiss, .swiss = {}};
  bool hasQuery = false;
  for (const auto& [key, value] : input.items()) {
    if (key == "query") {
      if (!value.is_string()) throw Malformed{"\"query\" must be a string."};
      q.query = value.get<std::string>();
      hasQuery = true;
    } else if (key == "later") {
      if (!value.is_boolean()) throw Malformed{"\"later\" must be true or false."};
      q.later = value.get<bool>();
    } else if (const core::FormField* field = core::FieldByKey(key);
               field && field->widget == core::FieldWidget::PickList) {  // the date and time
      if (auto error = core::ReadEntry(key, value, q.when)) throw Malformed{*error};
    } else {
      throw Malformed{"Unknown key \"" + key + "\"."};
    }
  }
  if (!hasQuery) throw Malformed{"\"query\" is missing."};
  return q;
}

ordered_json MatchJson(const places::Place& p) {
  return {{"name", p.name},
          {"division", p.division},
          {"country", p.country},
          {"latitude", p.latitude},
          {"longitude", p.longitude},
          {"zone", p.zone},
          {"population", p.population}};
}

std::string Key(core::FieldId field) {
  return std::string(core::FieldOf(field).jsonKey);
}

// The boxes a pick fills, under reading-dump's input keys: the City as the person searched
// for it ("Bombay"), the zone row and box where one shows the clock, else the clock's exact
// offset.
ordered_json Fill(const places::Match& match, const places::ClockDecision& decision) {
  const places::Place& p = *match.place;
  const auto lon = places::ToDegreesMinutes(p.longitude, 179);
  const auto lat = places::ToDegreesMinutes(p.latitude, 89);
  using core::FieldId;
  ordered_json fill = {{Key(FieldId::txtMCity), places::MatchCity(match)},
                       {Key(FieldId::txtMState), p.division},
                       {Key(FieldId::txtMCountry), p.country},
                       {Key(FieldId::txtLonD), std::to_string(lon.degrees)},
                       {Key(FieldId::txtLonM), std::to_string(lon.minutes)},
                       {Key(FieldId::optLong), lon.positive ? "East" : "West"},
                       {Key(FieldId::txtLatD), std::to_string(lat.degrees)},
                       {Key(FieldId::txtLatM), std::to_string(lat.minutes)},
                       {Key(FieldId::optLat), lat.positive ? "North" : "South"}};
  if (decision.fit) {
    fill[Key(FieldId::cmbTimeZone)] = decision.fit->row;
    fill[Key(FieldId::chkDST)] = decision.fit->dst;
  } else if (decision.exact) {
    fill[std::string(core::kUtcOffsetKey)] = decision.exact->offsetSeconds;
  }
  return fill;
}

const char* ClockName(places::ClockKind kind) {
  switch (kind) {
    case places::ClockKind::Skipped:
      return "skipped";
    case places::ClockKind::Repeated:
      return "repeated";
    default:
      return "normal";
  }
}

std::string Serialised(const ordered_json& j) {
  return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

}  // namespace

PlaceLookup::PlaceLookup() : atlas_(places::Atlas::Load()), tzVersion_(places::TzDataVersion()) {}

std::string PlaceLookup::ProcessLine(std::string_view line) {
  try {
    const Question q = ParseQuestion(line);
    ordered_json out = {{"matches", ordered_json::array()},
                        {"clock", nullptr},
                        {"offsetSeconds", nullptr},
                        {"daylightSaving", nullptr},
                        {"fill", nullptr},
                        {"conversion", nullptr},
                        {"status", nullptr}};
    if (!atlas_.ok()) {
      out["status"] = atlas_.problem();
      return Serialised(out);
    }
    const auto matches = atlas_.Find(q.query, 10);
    for (const places::Match& m : matches) out["matches"].push_back(MatchJson(*m.place));
    if (matches.empty()) return Serialised(out);

    const places::Place& first = *matches.front().place;
    const std::string_view city = places::MatchCity(matches.front());
    const auto birthTime = core::LocalBirthTime(q.when);
    if (!birthTime) throw Malformed{"The date does not exist."};
    const auto local = *birthTime;
    const auto clock = clocks_.At(first.zone, local, first.longitude, q.later);
    if (clock.error.empty()) {
      out["clock"] = ClockName(clock.kind);
      if (clock.offsetSeconds) out["offsetSeconds"] = *clock.offsetSeconds;
      if (clock.ahead) out["daylightSaving"] = *clock.ahead;
    }
    out["fill"] =
        Fill(matches.front(), places::DecideClock(clock, {first.zone, city, first.longitude}));
    // "conversion" stays for readers of the line; the exact offset answers what it offered.
    out["status"] =
        places::ClockStatus({city, local, first.zone, tzVersion_, first.longitude}, clock);
    return Serialised(out);
  } catch (const Malformed& m) {
    return Serialised({{"error", m.message}});
  } catch (const std::exception& ex) {
    return Serialised({{"error", std::string("The line could not be read: ") + ex.what()}});
  }
}

}  // namespace lookup

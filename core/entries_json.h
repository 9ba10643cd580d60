#pragma once
// The form's entries as JSON, keyed by widget name: what reading-dump reads on each line and
// what a birth-details file keeps. One mapping, so a saved file and a dump line agree.

#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <string_view>

#include "core/form_entries.h"

namespace core {

// The key of the exact offset (FormEntries::utcOffsetSeconds), an integer from -43200 to 50400;
// written only when the entries carry one.
inline constexpr std::string_view kUtcOffsetKey = "utcOffsetSeconds";

struct ParsedEntries {
  FormEntries entries;
  std::string error;  // empty when every key was read
};

// Reads a JSON object's keys over `defaults`: each key must name a widget and hold a value the
// widget can hold (a list's own entry, a zone row from -1 to 70, true or false for the box, an
// exact offset within UTC-12:00..UTC+14:00);
// the first offending key, in key order, gives the error and the entries are then unusable.
ParsedEntries EntriesFromJson(const nlohmann::json& object, FormEntries defaults = {});

// Reads one key's value into the entries: the error when the key names no widget or the value
// is one its widget cannot hold (the entries are then unchanged).
std::optional<std::string> ReadEntry(const std::string& key, const nlohmann::json& value,
                                     FormEntries& entries);

// Every entry under its key, in the form's order; reads back through EntriesFromJson.
nlohmann::ordered_json EntriesToJson(const FormEntries& entries);

// The first list entry that no list of the form holds (a month outside January..December, a
// day, year, hour, minute or second outside its list, a zone row outside -1..70, an exact
// offset outside UTC-12:00..UTC+14:00), as a message naming the list; empty when every list holds
// its entry.
std::optional<std::string> ListEntryProblem(const FormEntries& entries);

}  // namespace core

#include "core/birth_details.h"

#include <nlohmann/json.hpp>

#include "core/entries_json.h"

namespace core {

namespace {

using nlohmann::json;

// Larger than any offset a zone has had (+14:00, -12:00), small enough to catch a value in
// hours or minutes written by mistake.
constexpr std::int64_t kLargestOffsetSeconds = 18 * 3600;

ParsedBirthDetails Failed(std::string message) {
  return {std::nullopt, std::move(message)};
}

std::optional<std::string> ReadPlace(const json& value, AtlasPlace& place) {
  const char* const shape =
      "\"place\" must hold a \"zone\" name and a whole number of \"offsetSeconds\" between "
      "-64800 and 64800.";
  if (!value.is_object()) return shape;
  const auto zone = value.find("zone");
  const auto offset = value.find("offsetSeconds");
  if (zone == value.end() || !zone->is_string() || zone->get<std::string>().empty() ||
      offset == value.end() || !offset->is_number_integer())
    return shape;
  // Unsigned numbers beyond the signed range would wrap in get<int64_t>().
  if (offset->is_number_unsigned() && offset->get<std::uint64_t>() > kLargestOffsetSeconds)
    return shape;
  const auto seconds = offset->get<std::int64_t>();
  if (seconds < -kLargestOffsetSeconds || seconds > kLargestOffsetSeconds) return shape;
  place = {zone->get<std::string>(), static_cast<std::int32_t>(seconds)};
  return std::nullopt;
}

// Version 1 files stay readable by every copy; a newer key makes the file version 2, which
// older copies refuse rather than read with the built-in formulas or a zone row.
bool NeedsVersion2(const FormEntries& entries) {
  return entries.utcOffsetSeconds || entries.calculation;
}

}  // namespace

ParsedBirthDetails ParseBirthDetails(std::string_view text) {
  // The JSON reader takes a NUL byte for the end of the text and would accept what came before.
  if (const std::size_t nul = text.find('\0'); nul != std::string_view::npos)
    return Failed("The file holds a NUL byte (at byte " + std::to_string(nul) +
                  "); a birth-details file is text.");
  const json document = json::parse(text, nullptr, /*allow_exceptions=*/false);
  if (document.is_discarded()) return Failed("The file is not JSON.");
  if (!document.is_object()) return Failed("The file holds no JSON object.");

  const auto format = document.find("format");
  if (format == document.end() || *format != kBirthDetailsFormat)
    return Failed("The file is not a birth-details file (its \"format\" is not \"" +
                  std::string(kBirthDetailsFormat) + "\").");
  const auto version = document.find("version");
  if (version == document.end() || !version->is_number_integer())
    return Failed("The file's \"version\" must be a whole number from 1.");
  // Compared by sign first: an unsigned number beyond the signed range must not wrap.
  const int order = version->is_number_unsigned()
                        ? (version->get<std::uint64_t>() > kBirthDetailsVersion) -
                              (version->get<std::uint64_t>() < 1)
                        : (version->get<std::int64_t>() > kBirthDetailsVersion) -
                              (version->get<std::int64_t>() < 1);
  if (order < 0) return Failed("The file's \"version\" must be a whole number from 1.");
  if (order > 0)
    return Failed("The file was written by a newer version of the program (format version " +
                  version->dump() + "); this version reads format version " +
                  std::to_string(kBirthDetailsVersion) + ".");

  const auto entries = document.find("entries");
  if (entries == document.end() || !entries->is_object())
    return Failed("The file has no \"entries\" object.");
  // Version 1 has neither an exact offset nor a calculation: its copies of the program refuse
  // those keys, and so do we.
  for (const std::string_view key : {kUtcOffsetKey, std::string_view("calculation")}) {
    if (version->get<std::int64_t>() == 1 && entries->contains(key))
      return Failed("In \"entries\": Unknown key \"" + std::string(key) +
                    "\" (it needs format version 2).");
  }
  ParsedEntries parsed = EntriesFromJson(*entries);
  if (!parsed.error.empty()) return Failed("In \"entries\": " + parsed.error);

  BirthDetails details{std::move(parsed.entries), std::nullopt};
  if (const auto place = document.find("place"); place != document.end()) {
    AtlasPlace atlas;
    if (auto problem = ReadPlace(*place, atlas)) return Failed(*problem);
    details.place = std::move(atlas);
  }
  return {std::move(details), {}};
}

std::string BirthDetailsText(const BirthDetails& details) {
  FormEntries entries = details.entries;
  if (entries.utcOffsetSeconds) entries.cmbTimeZone = -1;  // the offset stands in for a row
  nlohmann::ordered_json document = {{"format", kBirthDetailsFormat},
                                     {"version", NeedsVersion2(entries) ? 2 : 1},
                                     {"entries", EntriesToJson(entries)}};
  if (details.place)
    document["place"] = {{"zone", details.place->zone},
                         {"offsetSeconds", details.place->offsetSeconds}};
  return document.dump(1) + "\n";
}

}  // namespace core

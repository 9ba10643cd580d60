#pragma once
// A birth-details file: the form's entries in an envelope that names its format and version,
// and, where the place came from the atlas, the zone the atlas gave it. Text in, text out:
// reading and writing the file itself is the caller's business.
//
//   {"format": "orvel-pataki-chakra/birth-details", "version": 1,
//    "entries": {"txtName": "ASHA RANI", "cboMonth": "March", ...},
//    "place": {"zone": "Asia/Kolkata", "offsetSeconds": 19800}}

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/form_entries.h"

namespace core {

inline constexpr std::string_view kBirthDetailsFormat = "orvel-pataki-chakra/birth-details";
// Version 1 keeps a zone row and the daylight-saving box; version 2 adds what version 1 copies
// cannot read: the birth moment's exact offset, entries.utcOffsetSeconds, for a clock no row
// shows (its row is then -1), and entries.calculation. A birth without either is still written
// as version 1, which every copy reads.
inline constexpr int kBirthDetailsVersion = 2;

// The zone the atlas found for the birth place, and its offset from universal time at the
// birth moment (east positive), kept so a later reading need not ask the atlas again.
struct AtlasPlace {
  std::string zone;  // IANA zone id
  std::int32_t offsetSeconds = 0;
  friend bool operator==(const AtlasPlace&, const AtlasPlace&) = default;
};

struct BirthDetails {
  FormEntries entries;
  std::optional<AtlasPlace> place;
};

struct ParsedBirthDetails {
  std::optional<BirthDetails> details;
  std::string error;  // why there are no details; empty when there are
};

// Reads a file's text, of version 1 or 2. The entries follow reading-dump's rules for its
// input keys, except that absent keys keep the defaults of FormEntries and that a version 1
// file has no exact offset; unknown top-level keys are ignored.
ParsedBirthDetails ParseBirthDetails(std::string_view text);

// The file's text, indented, ending in a newline; reads back through ParseBirthDetails.
// Version 2, with no zone row, when the entries carry an exact offset; else version 1.
std::string BirthDetailsText(const BirthDetails& details);

}  // namespace core

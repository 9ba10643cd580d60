#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "places/atlas_data.h"

namespace places {

// One place of the atlas. The texts view the compiled-in rows and live as long as they do.
struct Place {
  std::string_view name, division, country, countryCode, zone;  // zone: IANA id
  double latitude, longitude;  // signed decimal degrees, north and east positive
  std::int64_t population;     // 0 where unknown
};

// A place as found by a search: through its atlas name, or through another name it has or had,
// which the person then knows it by.
struct Match {
  const Place* place;
  std::string_view knownAs;  // the other name searched by; empty: the atlas name
  bool former = false;       // knownAs is a name the place no longer has
};

// What the City box takes from a pick: the name the person searched by ("Bombay").
std::string_view MatchCity(const Match& match);
// A line of the list: "Bombay (now Mumbai), Maharashtra, India", "München (Munich), Bavaria,
// Germany", "Delhi, Delhi, India"; an empty division is left out.
std::string MatchText(const Match& match);

// What a search reads of a query: its first bytes and qualifiers, far more than any place and
// its qualifiers need, so that a pasted text costs no more than a typed one.
inline constexpr std::size_t kMaxQueryBytes = 256;
inline constexpr std::size_t kMaxQualifiers = 4;

// The rows an atlas is built from: its own blocks by default, test rows in tests. The texts
// must outlive the atlas.
struct AtlasSource {
  data::RowBlock places;      // rows in byte order of the whole row
  data::RowBlock additions;   // rows in any order
  data::RowBlock otherNames;  // other name, atlas name, country code, "former" or "other"
};

// The offline atlas of birth places: search by name prefix as a person types. Built once,
// immutable after; loading takes a few milliseconds, so the caller loads it on first use.
class Atlas {
 public:
  // The compiled-in atlas: GeoNames cities and the additions. Never throws.
  static Atlas Load();
  // An atlas over the given rows. Rows failing their check (count, order, fields, an other
  // name without its place) give an atlas that is !ok(), says why and finds nothing.
  static Atlas FromRows(const AtlasSource& source);

  bool ok() const { return problem_.empty(); }
  const std::string& problem() const { return problem_; }
  std::size_t size() const { return places_.size(); }
  const std::vector<Place>& places() const { return places_; }

  // Up to `limit` places whose name (or other name) starts with the query, or has a word
  // starting with it, folded as SearchKey does ("Muenchen" finds München). "St"/"St.",
  // "Ste"/"Ste." and "Mt"/"Mt." as a word followed by more text also match "Saint", "Sainte"
  // and "Mount". Whole-name matches come first, then word matches; each by population,
  // largest first. Text after a comma narrows the search to places whose division or country
  // has a word starting with it, or whose ISO country code it is: "Springfield, Illinois",
  // "London, Canada", "London, CA". Only the first kMaxQueryBytes bytes and kMaxQualifiers
  // qualifiers are read. Nothing for an empty query.
  std::vector<Match> Find(std::string_view query, std::size_t limit = 10) const;
  // The places of Find.
  std::vector<const Place*> Search(std::string_view query, std::size_t limit = 10) const;
  // The place that `name` names whole, folded as Find folds it ("mumbai", "Bombay"); of several,
  // the largest. Empty when no name or other name is `name`.
  std::optional<Match> Named(std::string_view name) const;

 private:
  // A search key: a folded name, or the part of it from a later word on, for one place.
  struct Key {
    std::uint32_t offset;  // into keyText_
    std::uint16_t length;
    std::uint16_t wordMatch : 1;  // 0: the whole name; 1: a later word of it
    std::uint16_t other : 15;     // 0: the atlas name; k: otherNames_[k - 1]
    std::uint32_t place;
  };
  struct OtherName {
    std::string_view name;
    bool former;
  };
  // Folded division and country of a place, for the qualifiers after a comma.
  struct Qualifiers {
    std::uint32_t divisionOffset, countryOffset;
    std::uint16_t divisionLength, countryLength;
  };

  std::string_view KeyText(std::uint32_t offset, std::uint16_t length) const {
    return std::string_view(keyText_).substr(offset, length);
  }
  // A qualifier as SearchKey folds it, and as FoldKey does for the country code.
  struct Qualifier {
    std::string key, code;
  };
  bool Qualifies(std::uint32_t place, const std::vector<Qualifier>& qualifiers) const;
  Match MatchOf(std::uint32_t place, std::uint16_t other) const;
  std::string AddRows(const data::RowBlock& block, bool ordered);
  std::string AddOtherNames(const data::RowBlock& block);
  void AddKeys(std::string_view name, std::uint32_t place, std::uint16_t other);

  std::vector<Place> places_;
  std::vector<Qualifiers> qualifiers_;
  std::string keyText_;
  std::vector<Key> keys_;  // sorted by key text
  std::vector<OtherName> otherNames_;
  std::string problem_;
};

}  // namespace places

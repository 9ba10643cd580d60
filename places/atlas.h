#pragma once

#include <cstddef>
#include <cstdint>
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

// The rows an atlas is built from: its own blocks by default, test rows in tests. The texts
// must outlive the atlas.
struct AtlasSource {
  data::RowBlock places;      // rows in byte order of the whole row
  data::RowBlock additions;   // rows in any order
  data::RowBlock otherNames;  // other name, atlas name, country code
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
  // starting with it, folded as FoldKey does. Whole-name matches come first, then word
  // matches; each by population, largest first. Text after a comma narrows the search to
  // places whose division or country has a word starting with it, or whose ISO country code
  // it is: "Springfield, Illinois", "London, Canada", "London, CA". Nothing for an empty
  // query.
  std::vector<const Place*> Search(std::string_view query, std::size_t limit = 10) const;

 private:
  // A search key: a folded name, or the part of it from a later word on, for one place.
  struct Key {
    std::uint32_t offset;  // into keyText_
    std::uint16_t length;
    std::uint16_t wordMatch;  // 0: the whole name; 1: a later word of it
    std::uint32_t place;
  };
  // Folded division and country of a place, for the qualifiers after a comma.
  struct Qualifiers {
    std::uint32_t divisionOffset, countryOffset;
    std::uint16_t divisionLength, countryLength;
  };

  std::string_view KeyText(std::uint32_t offset, std::uint16_t length) const {
    return std::string_view(keyText_).substr(offset, length);
  }
  bool Qualifies(std::uint32_t place, const std::vector<std::string>& qualifiers) const;
  std::string AddRows(const data::RowBlock& block, bool ordered);
  std::string AddOtherNames(const data::RowBlock& block);
  void AddKeys(std::string_view name, std::uint32_t place);

  std::vector<Place> places_;
  std::vector<Qualifiers> qualifiers_;
  std::string keyText_;
  std::vector<Key> keys_;  // sorted by key text
  std::string problem_;
};

}  // namespace places

#include "places/atlas.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <optional>
#include <unordered_map>
#include <utility>

#include "places/fold.h"

namespace places {
namespace {

constexpr std::size_t kFields = 8;

// Splits a line into exactly n tab-separated fields; false when the count differs.
template <std::size_t N>
bool SplitFields(std::string_view line, std::array<std::string_view, N>& fields) {
  std::size_t field = 0;
  for (std::size_t start = 0;; ++field) {
    const std::size_t tab = line.find('\t', start);
    if (field == N) return false;
    fields[field] = line.substr(start, tab == std::string_view::npos ? tab : tab - start);
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return field + 1 == N;
}

template <typename Number>
std::optional<Number> ParseNumber(std::string_view text) {
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

// Calls visit(line) for each line of a block, without its '\n', while visit returns an empty
// text; returns the first problem, or a message when the count or the last line end is wrong.
template <typename Visit>
std::string ForEachLine(const data::RowBlock& block, std::string_view what, Visit visit) {
  if (!block.rows.empty() && block.rows.back() != '\n')
    return "the last " + std::string(what) + " has no line end";
  const auto lines =
      static_cast<std::size_t>(std::count(block.rows.begin(), block.rows.end(), '\n'));
  if (lines != block.count) {
    return "expected " + std::to_string(block.count) + " " + std::string(what) + "s, found " +
           std::to_string(lines);
  }
  std::string_view rows = block.rows;
  for (std::size_t i = 0; !rows.empty(); ++i) {
    const std::size_t end = rows.find('\n');
    std::string problem = visit(i, rows.substr(0, end));
    if (!problem.empty()) return problem;
    rows.remove_prefix(end + 1);
  }
  return {};
}

std::optional<Place> ParsePlace(std::string_view line) {
  std::array<std::string_view, kFields> f;
  if (!SplitFields(line, f)) return std::nullopt;
  const auto latitude = ParseNumber<double>(f[5]);
  const auto longitude = ParseNumber<double>(f[6]);
  const auto population = ParseNumber<std::int64_t>(f[7]);
  const bool codeOk = f[2].size() == 2 && std::all_of(f[2].begin(), f[2].end(),
                                                      [](char c) { return c >= 'A' && c <= 'Z'; });
  if (f[0].empty() || !codeOk || f[3].empty() || f[4].empty() || !latitude || !longitude ||
      !population || *latitude < -90 || *latitude > 90 || *longitude < -180 || *longitude > 180 ||
      *population < 0) {
    return std::nullopt;
  }
  return Place{f[0], f[1], f[3], f[2], f[4], *latitude, *longitude, *population};
}

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// True when the folded text has a word starting with the folded prefix.
bool HasWordStartingWith(std::string_view text, std::string_view prefix) {
  for (std::size_t start = 0; start < text.size();) {
    if (StartsWith(text.substr(start), prefix)) return true;
    const std::size_t space = text.find(' ', start);
    if (space == std::string_view::npos) break;
    start = space + 1;
  }
  return false;
}

// How a match ranks: whole-name matches first, then by population, then in atlas order.
struct Rank {
  std::uint16_t wordMatch;
  std::int64_t population;
  std::uint32_t place;
  bool operator<(const Rank& other) const {
    if (wordMatch != other.wordMatch) return wordMatch < other.wordMatch;
    if (population != other.population) return population > other.population;
    return place < other.place;
  }
};

}  // namespace

Atlas Atlas::Load() {
  return FromRows({data::kGeoNamesRows, data::kAdditionRows, data::kOtherNames});
}

Atlas Atlas::FromRows(const AtlasSource& source) {
  Atlas atlas;
  // Reserved once, so loading never holds two copies of a growing buffer.
  const std::size_t rows = source.places.count + source.additions.count;
  atlas.places_.reserve(rows);
  atlas.qualifiers_.reserve(rows);
  atlas.keyText_.reserve((source.places.rows.size() + source.additions.rows.size()) / 7 +
                         source.otherNames.rows.size());
  // About 1.3 keys a place: the whole name, and each later word of it.
  atlas.keys_.reserve((source.places.count + source.additions.count) * 14 / 10 +
                      source.otherNames.count * 2);
  std::string problem = atlas.AddRows(source.places, true);
  if (problem.empty()) problem = atlas.AddRows(source.additions, false);
  if (problem.empty()) problem = atlas.AddOtherNames(source.otherNames);
  if (!problem.empty()) {
    Atlas failed;
    failed.problem_ = "atlas data: " + problem;
    return failed;
  }
  std::sort(atlas.keys_.begin(), atlas.keys_.end(), [&](const Key& a, const Key& b) {
    return atlas.KeyText(a.offset, a.length) < atlas.KeyText(b.offset, b.length);
  });
  return atlas;
}

std::string Atlas::AddRows(const data::RowBlock& block, bool ordered) {
  // Folded division and country texts, stored once each.
  std::unordered_map<std::string_view, std::pair<std::uint32_t, std::uint16_t>> folded;
  const auto store = [&](std::string_view text) {
    auto [it, added] = folded.try_emplace(text);
    if (added) {
      const std::string key = FoldKey(text);
      it->second = {static_cast<std::uint32_t>(keyText_.size()),
                    static_cast<std::uint16_t>(key.size())};
      keyText_ += key;
    }
    return it->second;
  };
  std::string_view previous;
  return ForEachLine(block, "row", [&](std::size_t i, std::string_view line) -> std::string {
    if (ordered && i > 0 && !(previous < line)) {
      return "row " + std::to_string(i + 1) +
             " is out of order or repeated: " + std::string(line.substr(0, line.find('\t')));
    }
    previous = line;
    const std::optional<Place> place = ParsePlace(line);
    if (!place) return "row " + std::to_string(i + 1) + " is malformed: " + std::string(line);
    const auto index = static_cast<std::uint32_t>(places_.size());
    places_.push_back(*place);
    const auto [divisionOffset, divisionLength] = store(place->division);
    const auto [countryOffset, countryLength] = store(place->country);
    qualifiers_.push_back({divisionOffset, countryOffset, divisionLength, countryLength});
    AddKeys(place->name, index);
    return {};
  });
}

std::string Atlas::AddOtherNames(const data::RowBlock& block) {
  return ForEachLine(block, "other name", [&](std::size_t, std::string_view line) -> std::string {
    std::array<std::string_view, 3> f;
    if (!SplitFields(line, f) || f[0].empty()) return "malformed other name: " + std::string(line);
    // The largest place of that name in that country.
    std::optional<std::uint32_t> found;
    for (std::uint32_t i = 0; i < places_.size(); ++i) {
      const Place& p = places_[i];
      if (p.name == f[1] && p.countryCode == f[2] &&
          (!found || p.population > places_[*found].population)) {
        found = i;
      }
    }
    if (!found) return "other name " + std::string(f[0]) + " names no place: " + std::string(line);
    AddKeys(f[0], *found);
    return {};
  });
}

void Atlas::AddKeys(std::string_view name, std::uint32_t place) {
  const std::string key = FoldKey(name);
  if (key.empty()) return;
  const auto offset = static_cast<std::uint32_t>(keyText_.size());
  keyText_ += key;
  const auto length = static_cast<std::uint16_t>(
      std::min<std::size_t>(key.size(), std::numeric_limits<std::uint16_t>::max()));
  keys_.push_back({offset, length, 0, place});
  for (std::size_t space = key.find(' '); space != std::string::npos;
       space = key.find(' ', space + 1)) {
    const auto word = static_cast<std::uint16_t>(space + 1);
    keys_.push_back({static_cast<std::uint32_t>(offset + word),
                     static_cast<std::uint16_t>(length - word), 1, place});
  }
}

bool Atlas::Qualifies(std::uint32_t place, const std::vector<std::string>& qualifiers) const {
  const Qualifiers& q = qualifiers_[place];
  const std::string_view division = KeyText(q.divisionOffset, q.divisionLength);
  const std::string_view country = KeyText(q.countryOffset, q.countryLength);
  const std::string_view code = places_[place].countryCode;
  return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const std::string& qualifier) {
    const bool isCode = qualifier.size() == 2 && qualifier[0] == code[0] + ('a' - 'A') &&
                        qualifier[1] == code[1] + ('a' - 'A');
    return isCode || HasWordStartingWith(division, qualifier) ||
           HasWordStartingWith(country, qualifier);
  });
}

std::vector<const Place*> Atlas::Search(std::string_view query, std::size_t limit) const {
  std::vector<const Place*> found;
  if (!ok() || limit == 0) return found;
  const std::size_t comma = query.find(',');
  const std::string prefix = FoldKey(query.substr(0, comma));
  if (prefix.empty()) return found;
  std::vector<std::string> qualifiers;
  for (std::size_t start = comma; start != std::string_view::npos;) {
    const std::size_t next = query.find(',', start + 1);
    std::string qualifier = FoldKey(query.substr(start + 1, next - (start + 1)));
    if (!qualifier.empty()) qualifiers.push_back(std::move(qualifier));
    start = next;
  }

  // The best `limit` matches, best first; a place matched by several keys counts once.
  std::vector<Rank> best;
  best.reserve(limit + 1);
  auto key = std::lower_bound(
      keys_.begin(), keys_.end(), prefix,
      [&](const Key& k, const std::string& p) { return KeyText(k.offset, k.length) < p; });
  for (; key != keys_.end() && StartsWith(KeyText(key->offset, key->length), prefix); ++key) {
    const Rank rank{key->wordMatch, places_[key->place].population, key->place};
    if (best.size() == limit && !(rank < best.back())) continue;
    if (!qualifiers.empty() && !Qualifies(key->place, qualifiers)) continue;
    const auto same = std::find_if(best.begin(), best.end(),
                                   [&](const Rank& r) { return r.place == rank.place; });
    if (same != best.end()) {
      if (!(rank < *same)) continue;
      best.erase(same);
    }
    best.insert(std::upper_bound(best.begin(), best.end(), rank), rank);
    if (best.size() > limit) best.pop_back();
  }
  found.reserve(best.size());
  for (const Rank& rank : best) found.push_back(&places_[rank.place]);
  return found;
}

}  // namespace places

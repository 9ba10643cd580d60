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

// How a match ranks: whole-name matches first, then by population, then in atlas order; a
// place found by its atlas name and another name alike goes by the one spelt as typed
// ("Zürich" by its other name, "zurich" by the atlas's), else by its atlas name.
struct Rank {
  std::uint16_t wordMatch;
  std::int64_t population;
  std::uint32_t place;
  bool unlike;  // the name does not start with the query as typed
  std::uint16_t other;
  bool operator<(const Rank& r) const {
    if (wordMatch != r.wordMatch) return wordMatch < r.wordMatch;
    if (population != r.population) return population > r.population;
    if (place != r.place) return place < r.place;
    if (unlike != r.unlike) return r.unlike;
    return other < r.other;
  }
};

// Whether `name` starts with `typed` letter for letter, ASCII letters in either case.
bool StartsAsTyped(std::string_view name, std::string_view typed) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return name.size() >= typed.size() &&
         std::equal(typed.begin(), typed.end(), name.begin(),
                    [&](char a, char b) { return lower(a) == lower(b); });
}

// The query's first kMaxQueryBytes bytes, cut before a UTF-8 continuation byte.
std::string_view Capped(std::string_view query) {
  if (query.size() <= kMaxQueryBytes) return query;
  std::size_t end = kMaxQueryBytes;
  while (end > 0 && (static_cast<unsigned char>(query[end]) & 0xC0) == 0x80) --end;
  return query.substr(0, end);
}

// The abbreviations a person types for a word of a name, read in full where a word follows.
constexpr std::array<std::pair<std::string_view, std::string_view>, 3> kAbbreviations = {
    {{"st", "saint"}, {"ste", "sainte"}, {"mt", "mount"}}};
constexpr std::size_t kMaxExpanded = 3;  // words expanded, for at most 8 spellings

// The prefix as typed and with each abbreviated word (not the last) in full, in every
// combination: "st petersburg" gives "st petersburg" and "saint petersburg".
std::vector<std::string> Spellings(const std::string& prefix) {
  std::vector<std::string> spellings = {""};
  std::size_t expanded = 0;
  for (std::size_t start = 0; start < prefix.size();) {
    const std::size_t space = prefix.find(' ', start);
    const std::string_view word = std::string_view(prefix).substr(start, space - start);
    const std::string_view tail = space == std::string::npos ? "" : " ";
    const auto full = std::find_if(kAbbreviations.begin(), kAbbreviations.end(),
                                   [&](const auto& a) { return a.first == word; });
    const std::size_t count = spellings.size();
    if (full != kAbbreviations.end() && space != std::string::npos && expanded < kMaxExpanded) {
      ++expanded;
      for (std::size_t i = 0; i < count; ++i)
        spellings.push_back(spellings[i] + std::string(full->second) + std::string(tail));
    }
    for (std::size_t i = 0; i < count; ++i) (spellings[i] += word) += tail;
    start = space == std::string::npos ? prefix.size() : space + 1;
  }
  return spellings;
}

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
      const std::string key = SearchKey(text);
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
    AddKeys(place->name, index, 0);
    return {};
  });
}

std::string Atlas::AddOtherNames(const data::RowBlock& block) {
  return ForEachLine(block, "other name", [&](std::size_t, std::string_view line) -> std::string {
    std::array<std::string_view, 4> f;
    if (!SplitFields(line, f) || f[0].empty() || (f[3] != "former" && f[3] != "other"))
      return "malformed other name: " + std::string(line);
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
    otherNames_.push_back({f[0], f[3] == "former"});
    AddKeys(f[0], *found, static_cast<std::uint16_t>(otherNames_.size()));
    return {};
  });
}

void Atlas::AddKeys(std::string_view name, std::uint32_t place, std::uint16_t other) {
  const std::string key = SearchKey(name);
  if (key.empty()) return;
  const auto offset = static_cast<std::uint32_t>(keyText_.size());
  keyText_ += key;
  const auto length = static_cast<std::uint16_t>(
      std::min<std::size_t>(key.size(), std::numeric_limits<std::uint16_t>::max()));
  keys_.push_back({offset, length, 0, other, place});
  for (std::size_t space = key.find(' '); space != std::string::npos;
       space = key.find(' ', space + 1)) {
    const auto word = static_cast<std::uint16_t>(space + 1);
    keys_.push_back({static_cast<std::uint32_t>(offset + word),
                     static_cast<std::uint16_t>(length - word), 1, other, place});
  }
}

bool Atlas::Qualifies(std::uint32_t place, const std::vector<Qualifier>& qualifiers) const {
  const Qualifiers& q = qualifiers_[place];
  const std::string_view division = KeyText(q.divisionOffset, q.divisionLength);
  const std::string_view country = KeyText(q.countryOffset, q.countryLength);
  const std::string_view code = places_[place].countryCode;
  return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const Qualifier& qualifier) {
    const std::string& c = qualifier.code;
    const bool isCode =
        c.size() == 2 && c[0] == code[0] + ('a' - 'A') && c[1] == code[1] + ('a' - 'A');
    return isCode || HasWordStartingWith(division, qualifier.key) ||
           HasWordStartingWith(country, qualifier.key);
  });
}

std::vector<Match> Atlas::Find(std::string_view query, std::size_t limit) const {
  std::vector<Match> found;
  if (!ok() || limit == 0) return found;
  query = Capped(query);
  const std::size_t comma = query.find(',');
  std::string_view typed = query.substr(0, comma);
  typed.remove_prefix(std::min(typed.find_first_not_of(' '), typed.size()));
  const std::string prefix = SearchKey(typed);
  if (prefix.empty()) return found;
  std::vector<Qualifier> qualifiers;
  for (std::size_t start = comma;
       start != std::string_view::npos && qualifiers.size() < kMaxQualifiers;) {
    const std::size_t next = query.find(',', start + 1);
    const std::string_view text = query.substr(start + 1, next - (start + 1));
    Qualifier qualifier{SearchKey(text), FoldKey(text)};
    if (!qualifier.key.empty() || !qualifier.code.empty())
      qualifiers.push_back(std::move(qualifier));
    start = next;
  }

  // The best `limit` matches, best first; a place matched by several keys counts once.
  std::vector<Rank> best;
  best.reserve(limit + 1);
  for (const std::string& spelling : Spellings(prefix)) {
    auto key = std::lower_bound(
        keys_.begin(), keys_.end(), spelling,
        [&](const Key& k, const std::string& p) { return KeyText(k.offset, k.length) < p; });
    for (; key != keys_.end() && StartsWith(KeyText(key->offset, key->length), spelling); ++key) {
      Rank rank{key->wordMatch, places_[key->place].population, key->place, false, key->other};
      if (best.size() == limit && !(rank < best.back())) continue;
      if (!qualifiers.empty() && !Qualifies(key->place, qualifiers)) continue;
      const std::string_view name =
          rank.other == 0 ? places_[rank.place].name : otherNames_[rank.other - 1].name;
      rank.unlike = !StartsAsTyped(name, typed);
      const auto same = std::find_if(best.begin(), best.end(),
                                     [&](const Rank& r) { return r.place == rank.place; });
      if (same != best.end()) {
        if (!(rank < *same)) continue;
        best.erase(same);
      }
      best.insert(std::upper_bound(best.begin(), best.end(), rank), rank);
      if (best.size() > limit) best.pop_back();
    }
  }
  found.reserve(best.size());
  for (const Rank& rank : best) found.push_back(MatchOf(rank.place, rank.other));
  return found;
}

Match Atlas::MatchOf(std::uint32_t place, std::uint16_t other) const {
  Match match{&places_[place], {}, false};
  if (other != 0) {
    match.knownAs = otherNames_[other - 1].name;
    match.former = otherNames_[other - 1].former;
  }
  return match;
}

std::optional<Match> Atlas::Named(std::string_view name) const {
  const std::string key = SearchKey(Capped(name));
  if (!ok() || key.empty()) return std::nullopt;
  auto k = std::lower_bound(keys_.begin(), keys_.end(), key,
                            [&](const Key& entry, const std::string& p) {
                              return KeyText(entry.offset, entry.length) < p;
                            });
  std::optional<Match> best;
  for (; k != keys_.end() && KeyText(k->offset, k->length) == key; ++k)
    if (!k->wordMatch && (!best || places_[k->place].population > best->place->population))
      best = MatchOf(k->place, k->other);
  return best;
}

std::vector<const Place*> Atlas::Search(std::string_view query, std::size_t limit) const {
  std::vector<const Place*> places;
  for (const Match& match : Find(query, limit)) places.push_back(match.place);
  return places;
}

std::string_view MatchCity(const Match& match) {
  return match.knownAs.empty() ? match.place->name : match.knownAs;
}

std::string MatchText(const Match& match) {
  const Place& p = *match.place;
  std::string text;
  if (match.knownAs.empty()) {
    text = std::string(p.name);
  } else {
    text =
        std::string(match.knownAs) + (match.former ? " (now " : " (") + std::string(p.name) + ")";
  }
  if (!p.division.empty()) text += ", " + std::string(p.division);
  return text + ", " + std::string(p.country);
}

}  // namespace places

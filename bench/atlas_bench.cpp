// The atlas: loading it once, and the search behind one keystroke in the City box.

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

#include "places/atlas.h"

namespace {

void BM_AtlasLoad(benchmark::State& state) {
  for (auto _ : state) {
    places::Atlas atlas = places::Atlas::Load();
    benchmark::DoNotOptimize(atlas.size());
  }
}
BENCHMARK(BM_AtlasLoad)->Unit(benchmark::kMillisecond);

// One-letter and two-letter prefixes are the widest ranges; qualified queries test the
// division and country filter; the rest are typical typed names.
constexpr std::array<std::string_view, 12> kQueries = {
    "s",          "m",      "lo",
    "sa",         "san",    "sao paulo",
    "zurich",     "bombay", "springfield, illinois",
    "london, ca", "s, in",  "qqqzx"};

void BM_AtlasSearch(benchmark::State& state) {
  static const places::Atlas atlas = places::Atlas::Load();
  const std::string_view query = kQueries[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(std::string(query));
  for (auto _ : state) {
    auto found = atlas.Search(query, 10);
    benchmark::DoNotOptimize(found.data());
  }
}
BENCHMARK(BM_AtlasSearch)->DenseRange(0, kQueries.size() - 1)->Unit(benchmark::kMicrosecond);

// A pasted text of 10,000 qualifiers: the search reads only the start of it.
void BM_AtlasSearchLongQuery(benchmark::State& state) {
  static const places::Atlas atlas = places::Atlas::Load();
  std::string query = "london";
  for (int i = 0; i < 10000; ++i) query += ", united kingdom";
  for (auto _ : state) {
    auto found = atlas.Search(query, 10);
    benchmark::DoNotOptimize(found.data());
  }
}
BENCHMARK(BM_AtlasSearchLongQuery)->Unit(benchmark::kMicrosecond);

}  // namespace

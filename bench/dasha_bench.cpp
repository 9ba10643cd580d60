// How long the whole Vimshottari dasha takes: nine mahadashas and their 81 antardashas with their
// calendar dates, for Moons across the zodiac.
#include <benchmark/benchmark.h>

#include <chrono>

#include "dasha/vimshottari.h"

namespace {

void BM_Dasha(benchmark::State& state) {
  const std::chrono::sys_seconds birth =
      std::chrono::sys_days{std::chrono::year(1984) / 3 / 7} + std::chrono::hours(4);
  double moon = 0.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(dasha::VimshottariDasha(moon, birth, 19800));
    moon = moon < 340 ? moon + 19.7 : moon - 340;
  }
}
BENCHMARK(BM_Dasha);

}  // namespace

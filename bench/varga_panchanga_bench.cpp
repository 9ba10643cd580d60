// The sixteen divisional charts of the ten bodies, and the birth panchanga with its searched
// times from each calculation.
#include <benchmark/benchmark.h>

#include "delhi_birth.h"
#include "reading/birth_panchanga.h"
#include "reading/reading.h"
#include "varga/vargas.h"

namespace {

void BM_SixteenVargas(benchmark::State& state) {
  std::array<double, core::kBodyCount> longitudes{};
  for (int k = 0; k < core::kBodyCount; ++k) longitudes[k] = 17.3 + 37.1 * k;
  for (auto _ : state) {
    benchmark::DoNotOptimize(varga::VargasOf(longitudes));
    for (double& l : longitudes) l = l < 350 ? l + 7.9 : l - 350;
  }
}
BENCHMARK(BM_SixteenVargas);

// New Delhi, 7 March 1984, 10:05:30 Indian Standard Time: the built-in formulas (argument 0)
// or the Swiss Ephemeris with its default settings (1). The reading runs once; the loop is the
// panchanga alone.
void BM_BirthPanchanga(benchmark::State& state) {
  core::FormEntries entries = bench::DelhiEntries();
  if (state.range(0) == 1)
    entries.calculation = core::Calculation{core::EphemerisChoice::Swiss, {}};
  core::BirthRecord record;
  core::ResultSheet sheet;
  if (reading::RunReading(entries, record, sheet)) {
    state.SkipWithError("the reading was refused");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(reading::PanchangaOf(record));
}
BENCHMARK(BM_BirthPanchanga)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

// The Swiss Ephemeris alone (the positions and six rise and set searches) and one reading made
// with it, which searches only the sunrise and sunset its birth's day or night needs.
#include <benchmark/benchmark.h>

#include <chrono>

#include "reading/reading.h"
#include "swiss/swiss_ephemeris.h"

namespace {

using namespace std::chrono;

// New Delhi, 7 March 1984, 10:05:30 Indian Standard Time, the default settings.
void BM_SwissPositionsAndSixSunTimes(benchmark::State& state) {
  const swiss::Place delhi{28.0 + 38.0 / 60, 77.0 + 12.0 / 60};
  const seconds offset = hours{5} + minutes{30};
  const local_seconds birth = local_days{1984y / 3 / 7} + hours{10} + minutes{5} + seconds{30};
  const sys_seconds ut{birth.time_since_epoch() - offset};
  const swiss::Settings settings;
  for (auto _ : state) {
    auto positions = swiss::ComputePositions(ut, delhi, settings);
    benchmark::DoNotOptimize(positions);
    for (int day = -1; day <= 1; ++day) {
      auto sun = swiss::ComputeSunTimes(year_month_day{floor<days>(birth) + days{day}}, offset,
                                        delhi, settings);
      benchmark::DoNotOptimize(sun);
    }
  }
}
BENCHMARK(BM_SwissPositionsAndSixSunTimes)->Unit(benchmark::kMicrosecond);

// New Delhi, 7 March 1984, Indian Standard Time, Lahiri: at 10:05:30 (argument 0, a day birth:
// the birth date's sunrise and sunset) and at 22:05:30 (argument 1, a night birth: the next
// date's too).
void BM_SwissReading(benchmark::State& state) {
  core::FormEntries entries{.txtName = "ASHA",
                            .cboMonth = 2,
                            .cboDate = "7",
                            .cboYear = "1984",
                            .cboHH = state.range(0) == 0 ? "10" : "22",
                            .cboMM = "5",
                            .cboSS = "30",
                            .cmbTimeZone = 34,
                            .txtLonD = "77",
                            .txtLonM = "12",
                            .txtLatD = "28",
                            .txtLatM = "38"};
  entries.calculation = core::Calculation{core::EphemerisChoice::Swiss, {}};
  core::BirthRecord record;
  for (auto _ : state) {
    core::ResultSheet sheet;
    auto refusal = reading::RunReading(entries, record, sheet);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(sheet);
  }
}
BENCHMARK(BM_SwissReading)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

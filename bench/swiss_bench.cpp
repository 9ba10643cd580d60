// One reading's worth of the Swiss Ephemeris: the positions at the birth moment and sunrise
// and sunset of the birth date and its two neighbours.
#include <benchmark/benchmark.h>

#include <chrono>

#include "swiss/swiss_ephemeris.h"

namespace {

using namespace std::chrono;

// New Delhi, 7 March 1984, 10:05:30 Indian Standard Time, the default settings.
void BM_SwissReading(benchmark::State& state) {
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
BENCHMARK(BM_SwissReading)->Unit(benchmark::kMicrosecond);

}  // namespace

// How long the birth clock takes to answer, once a zone's history is kept: the form asks on
// every change of date, time or place.
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>

#include "places/birth_clock.h"
#include "places/clock_decision.h"

namespace {

namespace chr = std::chrono;

struct Question {
  const char* zone;
  chr::local_seconds local;
  double longitude;
};

chr::local_seconds At(int y, unsigned m, unsigned d, int h, int min) {
  return chr::local_days(chr::year(y) / m / d) + chr::hours(h) + chr::minutes(min);
}

// Zones with long histories, dates from 1901 to 2050, gaps and overlaps among them.
const std::array<Question, 12> kQuestions = {{
    {"America/New_York", At(1970, 7, 1, 12, 0), -74.0},
    {"America/New_York", At(2040, 7, 4, 9, 30), -74.0},
    {"America/New_York", At(2021, 3, 14, 2, 30), -74.0},
    {"Asia/Kolkata", At(1943, 6, 1, 12, 0), 77.2},
    {"Asia/Kolkata", At(1903, 3, 5, 10, 5), 80.3},
    {"Europe/London", At(1944, 6, 6, 6, 30), -0.1},
    {"Europe/Dublin", At(2000, 1, 15, 8, 0), -6.3},
    {"Australia/Sydney", At(2050, 1, 10, 23, 59), 151.2},
    {"Asia/Riyadh", At(1930, 5, 1, 4, 0), 39.8},
    {"Africa/Casablanca", At(2025, 3, 1, 12, 0), -7.6},
    {"Asia/Kathmandu", At(1990, 10, 2, 3, 0), 85.3},
    {"Europe/Moscow", At(1919, 7, 1, 0, 30), 37.6},
}};

void BM_BirthClock(benchmark::State& state) {
  places::BirthClocks clocks;
  for (const Question& q : kQuestions) clocks.At(q.zone, q.local, q.longitude);  // fill the cache
  std::size_t k = 0;
  for (auto _ : state) {
    const Question& q = kQuestions[k++ % kQuestions.size()];
    benchmark::DoNotOptimize(clocks.At(q.zone, q.local, q.longitude));
  }
}
BENCHMARK(BM_BirthClock);

// The clock and its row or exact offset together, as the form asks for them.
void BM_BirthClockAndRow(benchmark::State& state) {
  places::BirthClocks clocks;
  for (const Question& q : kQuestions) clocks.At(q.zone, q.local, q.longitude);
  std::size_t k = 0;
  for (auto _ : state) {
    const Question& q = kQuestions[k++ % kQuestions.size()];
    const places::BirthClock clock = clocks.At(q.zone, q.local, q.longitude);
    benchmark::DoNotOptimize(places::DecideClock(clock, {q.zone, {}, q.longitude}));
  }
}
BENCHMARK(BM_BirthClockAndRow);

// The first question for a zone: reading its history through QTimeZone.
void BM_FirstQuestionForAZone(benchmark::State& state) {
  for (auto _ : state) {
    places::BirthClocks clocks;
    benchmark::DoNotOptimize(clocks.At("America/New_York", At(1970, 7, 1, 12, 0), -74.0));
  }
}
BENCHMARK(BM_FirstQuestionForAZone)->Unit(benchmark::kMillisecond);

}  // namespace

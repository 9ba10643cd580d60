// How long one reading and its costliest steps take. A reading must stay far below what a
// person can notice; the station lookup must not slow down for late dates.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "chakra/vedha_reading.h"
#include "delhi_birth.h"
#include "ephemeris/birth_instant.h"
#include "ephemeris/moon.h"
#include "ephemeris/planets.h"
#include "places/birth_clock.h"
#include "reading-dump/dump_line.h"
#include "reading/reading.h"
#include "sky/retrogrades.h"
#include "sky/sunrise_sunset.h"
#include "sweep/sweep_entries.h"

namespace {

using bench::DelhiEntries;

// A record after one complete reading, so each step below finds its inputs in place.
core::BirthRecord ReadRecord() {
  core::BirthRecord record;
  core::ResultSheet sheet;
  reading::RunReading(DelhiEntries(), record, sheet);
  return record;
}

// The window asks the birth clock (QtCore's time zones) before every reading: the reading is
// timed after it, as a person gets it, not in a process that never used the clocks.
void BM_CompleteReading(benchmark::State& state) {
  const core::FormEntries entries = DelhiEntries();
  places::BirthClocks clocks;
  benchmark::DoNotOptimize(
      clocks.At("Asia/Kolkata", std::chrono::local_days{std::chrono::year{1984} / 3 / 7}, 77.2));
  core::BirthRecord record;  // one record for all readings, as in the program
  for (auto _ : state) {
    core::ResultSheet sheet;  // every reading gets a fresh window
    auto refusal = reading::RunReading(entries, record, sheet);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(sheet);
  }
}
BENCHMARK(BM_CompleteReading);

// Readings over the sweep's varied entries (every zone row, 1901 to 2050, polar latitudes),
// so that no one birth's branches or cache warmth flatter the figure. Time per reading.
void BM_VariedReadings(benchmark::State& state) {
  std::vector<core::FormEntries> entries;
  for (std::uint64_t i = 0; i < 1024; ++i) entries.push_back(sweep::EntriesFor(i));
  core::BirthRecord record;
  std::size_t i = 0;
  for (auto _ : state) {
    core::ResultSheet sheet;
    auto refusal = reading::RunReading(entries[i++ % entries.size()], record, sheet);
    benchmark::DoNotOptimize(refusal);
    benchmark::DoNotOptimize(sheet);
  }
}
BENCHMARK(BM_VariedReadings);

// The same reading through the JSON dump: parsing the line and writing the record and window.
void BM_DumpLine(benchmark::State& state) {
  const std::string line =
      R"({"txtName":"ASHA","cboMonth":"March","cboDate":"7","cboYear":"1984","cboHH":"10",)"
      R"("cboMM":"5","cboSS":"30","cmbTimeZone":34,"txtLonD":"77","txtLonM":"12",)"
      R"("txtLatD":"28","txtLatM":"38"})";
  core::BirthRecord record;
  for (auto _ : state) {
    std::string out = dump::ProcessLine(line, record);
    benchmark::DoNotOptimize(out);
  }
}
BENCHMARK(BM_DumpLine);

void BM_ComputeMoonAndRashi(benchmark::State& state) {
  core::BirthRecord record = ReadRecord();
  for (auto _ : state) {
    ephemeris::ComputeMoonAndRashi(record, ephemeris::InstantOf(record.Birth));
    benchmark::DoNotOptimize(record.MoonLongitudeText);
  }
}
BENCHMARK(BM_ComputeMoonAndRashi);

void BM_ComputeAscendant(benchmark::State& state) {
  core::BirthRecord record = ReadRecord();
  for (auto _ : state) {
    ephemeris::ComputeAscendant(record, ephemeris::InstantOf(record.Birth));
    benchmark::DoNotOptimize(record.AscendantText);
  }
}
BENCHMARK(BM_ComputeAscendant);

void BM_ComputePositionTable(benchmark::State& state) {
  core::BirthRecord record = ReadRecord();
  ephemeris::ComputeAscendant(record, ephemeris::InstantOf(record.Birth));
  for (auto _ : state) {
    ephemeris::ComputePositionTable(record, ephemeris::InstantOf(record.Birth));
    benchmark::DoNotOptimize(record.PositionTexts);
  }
}
BENCHMARK(BM_ComputePositionTable);

// Sunrise and sunset of the birth date and of the days before and after, as a reading asks.
void BM_SunRiseSetThreeDays(benchmark::State& state) {
  using namespace std::chrono;
  for (auto _ : state) {
    for (unsigned day = 6; day <= 8; ++day) {
      auto events = sky::SunRiseSet(year{1984} / March / day, 28 + 38 / 60.0, 77 + 12 / 60.0,
                                    hours{5} + minutes{30});
      benchmark::DoNotOptimize(events);
    }
  }
}
BENCHMARK(BM_SunRiseSetThreeDays);

// The retrograde test for one planet, by year: the time must not grow with the year, that is
// with the number of station rows before the date.
void BM_IsRetrograde(benchmark::State& state) {
  using namespace std::chrono;
  const year_month_day date{year{static_cast<int>(state.range(0))}, June, day{15}};
  for (auto _ : state) {
    for (const char* planet : {"Mercury", "Venus", "Mars", "Jupiter", "Saturn"}) {
      bool retrograde = sky::IsRetrograde(date, planet);
      benchmark::DoNotOptimize(retrograde);
    }
  }
  state.SetLabel("five planets");
}
BENCHMARK(BM_IsRetrograde)->Arg(1901)->Arg(1950)->Arg(2000)->Arg(2050);

void BM_ComposeVedhaReading(benchmark::State& state) {
  core::BirthRecord record = ReadRecord();
  core::ResultSheet sheet;
  for (auto _ : state) {
    sheet.RTB.clear();  // the reading text is appended; start each run empty
    sheet.ReadingBlocks.clear();
    chakra::ComposeVedhaReading(record, sheet);
    benchmark::DoNotOptimize(sheet.RTB);
  }
}
BENCHMARK(BM_ComposeVedhaReading);

}  // namespace

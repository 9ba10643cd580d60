// The Swiss Ephemeris alone (the positions and six rise and set searches) and one reading made
// with it, which searches only the sunrise and sunset its birth's day or night needs; and, over
// varied births, the program's readings beside a plain C program's work on the library's
// analytical ephemeris.
#include <benchmark/benchmark.h>
#include <swephexp.h>

#include <chrono>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

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

// Births drawn from 1901 to 2050 at latitudes within 60 degrees, each on the clock of its
// longitude's hour: the library keeps its last result, so every reading must be a new one.
struct VariedBirth {
  local_seconds local;
  seconds offset;
  int latitudeMinutes, longitudeMinutes;  // signed, north and east positive
};

std::vector<VariedBirth> VariedBirths() {
  std::uint64_t state = 0x9e3779b97f4a7c15;
  const auto draw = [&](std::uint64_t range) {  // splitmix64
    std::uint64_t z = (state += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return static_cast<int>((z ^ (z >> 31)) % range);
  };
  std::vector<VariedBirth> births;
  for (int i = 0; i < 1024; ++i) {
    VariedBirth b;
    const year_month_day date{year{1901 + draw(150)}, month(1 + draw(12)), day(1 + draw(28))};
    b.local = local_days{date} + seconds{draw(86400)};
    b.latitudeMinutes = draw(2 * 60 * 60 + 1) - 60 * 60;
    b.longitudeMinutes = draw(2 * 180 * 60 + 1) - 180 * 60;
    b.offset = hours{static_cast<int>(std::lround(b.longitudeMinutes / 900.0))};
    births.push_back(b);
  }
  return births;
}

double JulianDay(sys_seconds t) {
  return 2440587.5 + t.time_since_epoch().count() / 86400.0;
}

// What a plain C program computes with the library's analytical ephemeris for one birth: the
// sidereal Sun to Saturn and the mean node with their speeds, the ascendant, and the sunrise
// and sunset (upper limb, refraction of the standard atmosphere) of the birth date and the
// dates before and after it.
void BM_PlainCSwissWork(benchmark::State& state) {
  const std::vector<VariedBirth> births = VariedBirths();
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  std::size_t i = 0;
  for (auto _ : state) {
    const VariedBirth& b = births[i++ % births.size()];
    const double latitude = b.latitudeMinutes / 60.0, longitude = b.longitudeMinutes / 60.0;
    const double jd = JulianDay(sys_seconds{b.local.time_since_epoch() - b.offset});
    double xx[6], cusps[13], ascmc[10];
    char error[AS_MAXCH];
    for (const int body :
         {SE_SUN, SE_MOON, SE_MERCURY, SE_VENUS, SE_MARS, SE_JUPITER, SE_SATURN, SE_MEAN_NODE}) {
      swe_calc_ut(jd, body, SEFLG_MOSEPH | SEFLG_SIDEREAL | SEFLG_SPEED, xx, error);
      benchmark::DoNotOptimize(xx);
    }
    swe_houses_ex(jd, SEFLG_MOSEPH | SEFLG_SIDEREAL, latitude, longitude, 'E', cusps, ascmc);
    benchmark::DoNotOptimize(ascmc);
    double geopos[3] = {longitude, latitude, 0};
    const local_days birthDate = floor<days>(b.local);
    for (int d = -1; d <= 1; ++d) {
      const double midnight =
          JulianDay(sys_seconds{(birthDate + days{d}).time_since_epoch()} - b.offset);
      double rise = 0, set = 0;
      swe_rise_trans(midnight, SE_SUN, nullptr, SEFLG_MOSEPH, SE_CALC_RISE, geopos, 1013.25, 15,
                     &rise, error);
      swe_rise_trans(rise > 0 ? rise : midnight, SE_SUN, nullptr, SEFLG_MOSEPH, SE_CALC_SET, geopos,
                     1013.25, 15, &set, error);
      benchmark::DoNotOptimize(rise);
      benchmark::DoNotOptimize(set);
    }
  }
}
BENCHMARK(BM_PlainCSwissWork)->Unit(benchmark::kMicrosecond);

std::string Text(int n) {
  return std::to_string(n);
}

// The program's own Swiss reading (the default settings) over the same births. Its ratio to the
// plain C program's work is taken in one run of both:
//   opc_bench --benchmark_filter='^BM_PlainCSwissWork$|^BM_SwissVariedReadings$'
void BM_SwissVariedReadings(benchmark::State& state) {
  std::vector<core::FormEntries> entries;
  for (const VariedBirth& b : VariedBirths()) {
    const year_month_day date{floor<days>(b.local)};
    const hh_mm_ss<seconds> time{b.local - floor<days>(b.local)};
    core::FormEntries e{.txtName = "ASHA",
                        .cboMonth = static_cast<int>(unsigned(date.month())) - 1,
                        .cboDate = Text(static_cast<int>(unsigned(date.day()))),
                        .cboYear = Text(int(date.year())),
                        .cboHH = Text(static_cast<int>(time.hours().count())),
                        .cboMM = Text(static_cast<int>(time.minutes().count())),
                        .cboSS = Text(static_cast<int>(time.seconds().count())),
                        .cmbTimeZone = -1,
                        .utcOffsetSeconds = static_cast<int>(b.offset.count()),
                        .txtLonD = Text(std::abs(b.longitudeMinutes) / 60),
                        .txtLonM = Text(std::abs(b.longitudeMinutes) % 60),
                        .txtLatD = Text(std::abs(b.latitudeMinutes) / 60),
                        .txtLatM = Text(std::abs(b.latitudeMinutes) % 60),
                        .optLongEast = b.longitudeMinutes >= 0,
                        .optLatNorth = b.latitudeMinutes >= 0};
    e.calculation = core::Calculation{core::EphemerisChoice::Swiss, {}};
    entries.push_back(std::move(e));
  }
  core::BirthRecord record;
  std::size_t i = 0, refused = 0;
  for (auto _ : state) {
    core::ResultSheet sheet;
    auto refusal = reading::RunReading(entries[i++ % entries.size()], record, sheet);
    refused += refusal.has_value();
    benchmark::DoNotOptimize(sheet);
  }
  if (refused) state.SkipWithError("a varied birth was refused");
}
BENCHMARK(BM_SwissVariedReadings)->Unit(benchmark::kMicrosecond);

}  // namespace

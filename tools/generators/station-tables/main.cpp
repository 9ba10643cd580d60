// Writes sky/station_tables.cpp: the retrograde and direct station moments of Mercury,
// Venus, Mars, Jupiter and Saturn from 1900 to 2051, computed with libswe (Debian's
// libswe-dev) from its built-in analytic ephemeris, and checks them before writing.
//
// Usage: station-tables OUTPUT.cpp
// Exit status 0 only when every check passed and the file was written.

#include <swephexp.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <limits>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace std::chrono;

constexpr int kFlags = SEFLG_MOSEPH | SEFLG_SPEED;  // analytic ephemeris, no data files
constexpr double kStepDays = 1.0;                   // no two stations lie a day apart
constexpr double kBisectDays = 1.0 / 86400.0;       // to the second, then rounded to the minute
constexpr double kUnixEpochJd = 2440587.5;          // 1970-01-01 00:00 UT

// A reference period the tables must reproduce verbatim, at its row number.
struct Reference {
  int row;  // -1 for the last row
  std::string_view retrograde;
  std::string_view direct;
};

struct Planet {
  std::string_view name;
  int body;
  int periods;
  double minDays, maxDays;  // expected length of a retrograde period
  std::array<Reference, 3> references;
};

// The reference periods come from the published tables the program follows: the first,
// one sample and the last period of each planet. They bound the search window.
constexpr std::array<Planet, 5> kPlanets = {{
    {"Mercury",
     SE_MERCURY,
     476,
     19,
     24,
     {{{0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
       {315, "2,21,2000,0,39,", "3,14,2000,20,28,"},
       {-1, "12,1,2050,17,17,", "12,21,2050,11,33,"}}}},
    {"Venus",
     SE_VENUS,
     95,
     40,
     43,
     {{{0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
       {63, "3,9,2001,1,36,", "4,20,2001,5,21,"},
       {-1, "9,25,2050,22,15,", "11,6,2050,19,4,"}}}},
    {"Mars",
     SE_MARS,
     71,
     59,
     81,
     {{{0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
       {47, "5,11,2001,14,4,", "7,19,2001,21,22,"},
       {-1, "7,15,2050,5,50,", "9,13,2050,9,41,"}}}},
    {"Jupiter",
     SE_JUPITER,
     139,
     116,
     124,
     {{{0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
       {92, "9,29,2000,0,45,", "1,25,2001,14,49,"},
       {-1, "12,21,2050,13,21,", "4,21,2051,23,46,"}}}},
    {"Saturn",
     SE_SATURN,
     146,
     133,
     141,
     {{{0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
       {97, "9,12,2000,10,33,", "1,24,2001,23,10,"},
       {-1, "5,18,2050,13,6,", "10,6,2050,11,5,"}}}},
}};

// The reference rows were computed elsewhere: their moments differ from this ephemeris by
// tens of minutes to a few hours (the time of a station is ill-conditioned: the speed
// passes zero slowly), and two of them read 0 h where this ephemeris gives 12 h. A
// reference row further away than this is not the same station and stops the tool.
constexpr int kReferenceToleranceMinutes = 12 * 60 + 30;

[[noreturn]] void Fail(const std::string& message) {
  throw std::runtime_error(message);
}

double LongitudeSpeed(double jdUt, int body) {
  double xx[6];
  char error[AS_MAXCH] = "";
  if (swe_calc_ut(jdUt, body, kFlags, xx, error) < 0) Fail(std::string("swe_calc_ut: ") + error);
  return xx[3];  // degrees per day, geocentric apparent tropical longitude
}

struct Station {
  double jd;
  bool turnsRetrograde;
};

// The moment the speed changes sign between lo and hi, by bisection.
double Bisect(int body, double lo, double hi) {
  const bool loRetrograde = LongitudeSpeed(lo, body) < 0;
  while (hi - lo > kBisectDays) {
    const double mid = (lo + hi) / 2;
    ((LongitudeSpeed(mid, body) < 0) == loRetrograde ? lo : hi) = mid;
  }
  return (lo + hi) / 2;
}

std::vector<Station> FindStations(int body, double from, double to) {
  std::vector<Station> stations;
  double speed = LongitudeSpeed(from, body);
  for (double t = from + kStepDays; t <= to; t += kStepDays) {
    const double next = LongitudeSpeed(t, body);
    if ((next < 0) != (speed < 0)) stations.push_back({Bisect(body, t - kStepDays, t), next < 0});
    speed = next;
  }
  return stations;
}

// Minutes since 1970-01-01 00:00 UT, rounded to the nearest minute.
long long JdToMinutes(double jd) {
  return std::llround((jd - kUnixEpochJd) * 1440.0);
}

double MinutesToJd(long long minutes) {
  return kUnixEpochJd + minutes / 1440.0;
}

std::string RowText(long long minutesSinceEpoch) {
  const sys_time<minutes> t{minutes{minutesSinceEpoch}};
  const auto date = floor<days>(t);
  const year_month_day ymd{date};
  const hh_mm_ss clock{t - date};
  return std::to_string(unsigned(ymd.month())) + "," + std::to_string(unsigned(ymd.day())) + "," +
         std::to_string(int(ymd.year())) + "," + std::to_string(clock.hours().count()) + "," +
         std::to_string(clock.minutes().count()) + ",";
}

// Parses "month,day,year,hour,minute," strictly (no leading zeros, no blanks).
std::optional<long long> ParseRow(std::string_view row) {
  std::array<int, 5> f{};
  for (int& field : f) {
    if (row.empty() || (row[0] == '0' && row.size() > 1 && row[1] != ',')) return {};
    const auto [end, error] = std::from_chars(row.data(), row.data() + row.size(), field);
    if (error != std::errc{} || end == row.data() + row.size() || *end != ',') return {};
    row.remove_prefix(static_cast<std::size_t>(end - row.data()) + 1);
  }
  const year_month_day ymd{year{f[2]}, month{unsigned(f[0])}, day{unsigned(f[1])}};
  if (!row.empty() || f[0] < 1 || f[0] > 12 || f[1] < 1 || f[1] > 31 || !ymd.ok() || f[3] < 0 ||
      f[3] > 23 || f[4] < 0 || f[4] > 59)
    return {};
  return (sys_days{ymd} + hours{f[3]} + minutes{f[4]}).time_since_epoch().count();
}

long long RequireRow(std::string_view row) {
  const auto minutesSinceEpoch = ParseRow(row);
  if (!minutesSinceEpoch) Fail("malformed row \"" + std::string(row) + "\"");
  return *minutesSinceEpoch;
}

struct Table {
  std::vector<std::string> retrograde, direct;
  int worstReferenceMinutes = 0;
};

// Periods whose retrograde station lies within two days of the first and last reference
// retrograde stations; the search runs on past the window for the last direct station.
Table ComputeTable(const Planet& planet) {
  const double first = MinutesToJd(RequireRow(planet.references.front().retrograde)) - 2;
  const double last = MinutesToJd(RequireRow(planet.references.back().retrograde)) + 2;
  Table table;
  const auto stations = FindStations(planet.body, first, last + planet.maxDays + 30);
  for (std::size_t i = 0; i + 1 < stations.size(); ++i) {
    const Station& s = stations[i];
    if (!s.turnsRetrograde || s.jd < first || s.jd > last) continue;
    if (stations[i + 1].turnsRetrograde) Fail(std::string(planet.name) + ": two retrograde turns");
    table.retrograde.push_back(RowText(JdToMinutes(s.jd)));
    table.direct.push_back(RowText(JdToMinutes(stations[i + 1].jd)));
  }
  return table;
}

// Replaces the computed rows at the reference row numbers by the reference texts, after
// making sure they name the same stations.
void ApplyReferences(const Planet& planet, Table& table) {
  const int rows = static_cast<int>(table.retrograde.size());
  for (const Reference& ref : planet.references) {
    const int row = ref.row < 0 ? rows - 1 : ref.row;
    if (row < 0 || row >= rows) Fail(std::string(planet.name) + ": no row " + std::to_string(row));
    for (auto [computed, given] : {std::pair{&table.retrograde[row], ref.retrograde},
                                   std::pair{&table.direct[row], ref.direct}}) {
      const long long difference = RequireRow(given) - RequireRow(*computed);
      std::printf("%-8s row %3d  reference %-18s computed %-18s  %+5lld min\n",
                  std::string(planet.name).c_str(), row, std::string(given).c_str(),
                  computed->c_str(), difference);
      if (std::llabs(difference) > kReferenceToleranceMinutes)
        Fail(std::string(planet.name) + " row " + std::to_string(row) + ": reference " +
             std::string(given) + " is " + std::to_string(difference) + " min from " + *computed);
      table.worstReferenceMinutes =
          std::max(table.worstReferenceMinutes, static_cast<int>(std::llabs(difference)));
      *computed = std::string(given);
    }
  }
}

// The checks the program relies on: size, format, strict interleaving, period lengths and
// the reference rows at their row numbers.
void CheckTable(const Planet& planet, const Table& table) {
  const std::string name(planet.name);
  const int rows = static_cast<int>(table.retrograde.size());
  if (rows != planet.periods || table.direct.size() != table.retrograde.size())
    Fail(name + ": " + std::to_string(rows) + " periods, expected " +
         std::to_string(planet.periods));
  long long previousDirect = std::numeric_limits<long long>::min();
  for (int i = 0; i < rows; ++i) {
    const long long s = RequireRow(table.retrograde[i]);
    const long long d = RequireRow(table.direct[i]);
    if (!(previousDirect < s && s < d))
      Fail(name + " row " + std::to_string(i) + ": stations out of order");
    const double lengthDays = (d - s) / 1440.0;
    if (lengthDays < planet.minDays - 1 || lengthDays > planet.maxDays + 1)
      Fail(name + " row " + std::to_string(i) + ": period of " + std::to_string(lengthDays) +
           " days");
    previousDirect = d;
  }
  for (const Reference& ref : planet.references) {
    const int row = ref.row < 0 ? rows - 1 : ref.row;
    if (table.retrograde[row] != ref.retrograde || table.direct[row] != ref.direct)
      Fail(name + " row " + std::to_string(row) + ": reference period missing");
  }
}

void WriteList(std::ostream& out, const std::string& name, const std::vector<std::string>& rows) {
  out << "constexpr std::string_view " << name << "[] = {\n";
  for (std::size_t i = 0; i < rows.size(); ++i)
    out << (i % 4 == 0 ? "    " : " ") << '"' << rows[i] << "\","
        << (i % 4 == 3 || i + 1 == rows.size() ? "\n" : "");
  out << "};\n";
}

void WriteSource(const std::string& path, const std::vector<Table>& tables, int worstMinutes) {
  char version[AS_MAXCH];
  swe_version(version);
  std::ofstream out(path);
  out << "// Generated by tools/generators/station-tables; do not edit by hand.\n"
         "// Source: libswe "
      << version
      << " (Debian libswe-dev), built-in analytic ephemeris (SEFLG_MOSEPH |\n"
         "// SEFLG_SPEED, no data files), geocentric apparent tropical longitude. A station is "
         "the\n"
         "// moment the longitude speed changes sign, found by one-day steps and bisection to "
         "the\n"
         "// second, in universal time rounded to the nearest minute. Periods whose retrograde "
         "station\n"
         "// lies within two days of the first and last reference periods are kept. The first, "
         "last\n"
         "// and one sample period per planet are the published reference texts, kept verbatim; "
         "they\n"
         "// differ from this ephemeris by up to "
      << worstMinutes
      << " minutes\n"
         "// (a station's moment is ill-conditioned: the speed passes zero slowly).\n"
         "// Remake (from the repository root):\n"
         "//   cmake -S . -B build-gen -DOPC_BUILD_GENERATORS=ON -DOPC_BUILD_UI=OFF\n"
         "//   cmake --build build-gen --target station-tables\n"
         "//   build-gen/tools/generators/station-tables/station-tables "
         "sky/station_tables.cpp\n\n"
         "#include \"sky/station_tables.h\"\n\n"
         "namespace sky {\nnamespace {\n\n"
         "// clang-format off\n";
  for (std::size_t p = 0; p < kPlanets.size(); ++p) {
    const std::string name(kPlanets[p].name);
    WriteList(out, "k" + name + "Retrograde", tables[p].retrograde);
    WriteList(out, "k" + name + "Direct", tables[p].direct);
  }
  out << "// clang-format on\n\nconstexpr StationTable kTables[] = {\n";
  for (const Planet& planet : kPlanets) {
    const std::string name(planet.name);
    out << "    {\"" << name << "\", k" << name << "Retrograde, k" << name << "Direct},\n";
  }
  out << "};\n\n}  // namespace\n\n"
         "std::span<const StationTable> StationTables() {\n  return kTables;\n}\n\n"
         "}  // namespace sky\n";
  if (!out.flush()) Fail("cannot write " + path);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.cpp\n", argv[0]);
    return 2;
  }
  try {
    std::vector<Table> tables;
    int worst = 0;
    for (const Planet& planet : kPlanets) {
      Table table = ComputeTable(planet);
      if (static_cast<int>(table.retrograde.size()) != planet.periods)
        Fail(std::string(planet.name) + ": found " + std::to_string(table.retrograde.size()) +
             " periods, expected " + std::to_string(planet.periods));
      ApplyReferences(planet, table);
      CheckTable(planet, table);
      worst = std::max(worst, table.worstReferenceMinutes);
      tables.push_back(std::move(table));
    }
    WriteSource(argv[1], tables, worst);
    swe_close();
    std::printf("wrote %s; largest reference difference %d min\n", argv[1], worst);
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "station-tables: FAILED: %s\n", e.what());
    return 1;
  }
}

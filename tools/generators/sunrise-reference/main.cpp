// Writes tests/data/sunrise_reference.json: local clock sunrise and sunset for a set of
// places and dates, computed with libswe (Debian's libswe-dev) as an independent check of
// the program's low-precision solar model. The event is defined as the program defines it:
// the Sun's centre, without refraction, at the altitude whose sine is -0.0145439.
//
// Usage: sunrise-reference OUTPUT.json

#include <swephexp.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <nlohmann/json.hpp>
#include <numbers>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace std::chrono;

constexpr double kUnixEpochJd = 2440587.5;  // 1970-01-01 00:00 UT
constexpr int kRiseFlags = SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION;

struct Place {
  const char* name;
  int month, day, year;
  int latDeg, latMin;
  bool south;
  int lonDeg, lonMin;
  bool east;
  int zoneHours, zoneMinutes;  // added to the local clock gives universal time
};

// Latitudes 0 to 60 in both hemispheres, east and west, all seasons, standard time.
constexpr Place kPlaces[] = {
    {"Quito, March equinox", 3, 20, 2024, 0, 13, true, 78, 31, false, 5, 0},
    {"Singapore, June solstice", 6, 21, 1990, 1, 17, false, 103, 51, true, -8, 0},
    {"Nairobi, December solstice", 12, 21, 1975, 1, 17, true, 36, 49, true, -3, 0},
    {"Lima, leap day", 2, 29, 2000, 12, 3, true, 77, 2, false, 5, 0},
    {"Dakar, last day of a leap year", 12, 31, 2000, 14, 42, false, 17, 28, false, 0, 0},
    {"Mumbai, January", 1, 15, 1984, 19, 4, false, 72, 53, true, -5, -30},
    {"Mexico City, September", 9, 16, 1910, 19, 26, false, 99, 8, false, 6, 0},
    {"Honolulu, July", 7, 4, 2000, 21, 18, false, 157, 51, false, 10, 0},
    {"Rio de Janeiro, November", 11, 30, 2015, 22, 54, true, 43, 12, false, 3, 0},
    {"Kathmandu, October", 10, 10, 2001, 27, 42, false, 85, 19, true, -5, -45},
    {"New Delhi, March", 3, 7, 1984, 28, 38, false, 77, 12, true, -5, -30},
    {"New Delhi, June solstice", 6, 21, 2010, 28, 38, false, 77, 12, true, -5, -30},
    {"Santiago, February", 2, 12, 1930, 33, 27, true, 70, 40, false, 4, 0},
    {"Sydney, January", 1, 15, 2020, 33, 52, true, 151, 12, true, -10, 0},
    {"Sydney, June solstice", 6, 21, 2020, 33, 52, true, 151, 12, true, -10, 0},
    {"Cape Town, December solstice", 12, 21, 2005, 33, 55, true, 18, 25, true, -2, 0},
    {"Los Angeles, April", 4, 1, 1975, 34, 3, false, 118, 15, false, 8, 0},
    {"Buenos Aires, May", 5, 5, 1999, 34, 36, true, 58, 23, false, 3, 0},
    {"Adelaide, September", 9, 1, 1950, 34, 56, true, 138, 36, true, -9, -30},
    {"Tokyo, August", 8, 1, 1965, 35, 41, false, 139, 41, true, -9, 0},
    {"Auckland, December", 12, 25, 2040, 36, 51, true, 174, 46, true, -12, 0},
    {"New York, December solstice", 12, 21, 1950, 40, 43, false, 74, 0, false, 5, 0},
    {"Hobart, June solstice", 6, 21, 1995, 42, 53, true, 147, 19, true, -10, 0},
    {"London, June solstice", 6, 21, 1901, 51, 30, false, 0, 7, false, 0, 0},
    {"London, December solstice", 12, 21, 2050, 51, 30, false, 0, 7, false, 0, 0},
    {"Berlin, November", 11, 1, 1960, 52, 31, false, 13, 24, true, -1, 0},
    {"Ushuaia, December solstice", 12, 21, 2030, 54, 48, true, 68, 18, false, 3, 0},
    {"Moscow, September equinox", 9, 22, 2022, 55, 45, false, 37, 37, true, -3, 0},
    {"Stockholm, June solstice", 6, 21, 1985, 59, 20, false, 18, 4, true, -1, 0},
    {"Stockholm, December solstice", 12, 21, 1985, 59, 20, false, 18, 4, true, -1, 0},
    {"Oslo, March", 3, 1, 2012, 59, 55, false, 10, 45, true, -1, 0},
    {"Oslo, September equinox", 9, 23, 1976, 59, 55, false, 10, 45, true, -1, 0},
    {"Saint Petersburg, September", 9, 23, 1950, 59, 56, false, 30, 19, true, -3, 0},
    {"Saint Petersburg, August 2049", 8, 23, 2049, 59, 56, false, 30, 19, true, -3, 0},
    {"Ushuaia, March equinox", 3, 20, 2030, 54, 48, true, 68, 18, false, 3, 0},
    {"Wellington, April", 4, 10, 1960, 41, 17, true, 174, 47, true, -12, 0},
};

double Degrees(int deg, int min, bool negative) {
  const double value = deg + min / 60.0;
  return negative ? -value : value;
}

// The first rise or set after tjdUt.
double NextEvent(const Place& p, double tjdUt, int event) {
  double geopos[3] = {Degrees(p.lonDeg, p.lonMin, !p.east), Degrees(p.latDeg, p.latMin, p.south),
                      0.0};
  const double horizon = std::asin(-0.0145439) * 180.0 / std::numbers::pi;  // about -0.833 degrees
  double when = 0;
  char error[AS_MAXCH] = "";
  const int status =
      swe_rise_trans_true_hor(tjdUt, SE_SUN, nullptr, SEFLG_MOSEPH, event | kRiseFlags, geopos, 0,
                              0, horizon, &when, error);
  if (status != 0) throw std::runtime_error(std::string(p.name) + ": " + error);
  return when;
}

// Local clock text "YYYY-MM-DD HH:MM:SS" of a universal time, to the nearest second.
std::string LocalText(double jdUt, const Place& p) {
  const long long utSeconds = std::llround((jdUt - kUnixEpochJd) * 86400.0);
  const sys_seconds local{seconds{utSeconds - p.zoneHours * 3600LL - p.zoneMinutes * 60LL}};
  const auto date = floor<days>(local);
  const year_month_day ymd{date};
  const hh_mm_ss clock{local - date};
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", int(ymd.year()),
                unsigned(ymd.month()), unsigned(ymd.day()), int(clock.hours().count()),
                int(clock.minutes().count()), int(clock.seconds().count()));
  return text;
}

nlohmann::ordered_json Case(const Place& p) {
  // Local midnight of the date in universal time: the clock plus the zone correction.
  const sys_days date{year{p.year} / p.month / p.day};
  const double midnightUt =
      kUnixEpochJd + date.time_since_epoch().count() + (p.zoneHours + p.zoneMinutes / 60.0) / 24.0;
  const double rise = NextEvent(p, midnightUt, SE_CALC_RISE);
  const double set = NextEvent(p, rise, SE_CALC_SET);
  nlohmann::ordered_json c;
  c["name"] = p.name;
  c["month"] = p.month;
  c["day"] = p.day;
  c["year"] = p.year;
  c["latitude"] = {{"degrees", p.latDeg}, {"minutes", p.latMin}, {"south", p.south}};
  c["longitude"] = {{"degrees", p.lonDeg}, {"minutes", p.lonMin}, {"east", p.east}};
  c["zoneHours"] = p.zoneHours;
  c["zoneMinutes"] = p.zoneMinutes;
  c["sunrise"] = LocalText(rise, p);
  c["sunset"] = LocalText(set, p);
  return c;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT.json\n", argv[0]);
    return 2;
  }
  try {
    char version[AS_MAXCH];
    swe_version(version);
    nlohmann::ordered_json out;
    out["source"] =
        std::string("libswe ") + version +
        " (Debian libswe-dev), swe_rise_trans_true_hor with SEFLG_MOSEPH (built-in analytic "
        "ephemeris), SE_CALC_RISE / SE_CALC_SET | SE_BIT_DISC_CENTER | SE_BIT_NO_REFRACTION, "
        "horizon altitude asin(-0.0145439) = -0.8333 degrees, observer at sea level; sunrise is "
        "the first rise after local midnight, sunset the first set after that sunrise; local "
        "clock = universal time - zone correction, to the nearest second.";
    out["command"] =
        "cmake -S . -B build-gen -DOPC_BUILD_GENERATORS=ON -DOPC_BUILD_UI=OFF && cmake --build "
        "build-gen --target sunrise-reference && "
        "build-gen/tools/generators/sunrise-reference/sunrise-reference "
        "tests/data/sunrise_reference.json";
    out["cases"] = nlohmann::ordered_json::array();
    for (const Place& p : kPlaces) out["cases"].push_back(Case(p));
    swe_close();
    std::ofstream file(argv[1]);
    file << out.dump(2) << '\n';
    if (!file.flush()) throw std::runtime_error(std::string("cannot write ") + argv[1]);
    std::printf("wrote %s with %zu cases\n", argv[1], out["cases"].size());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sunrise-reference: FAILED: %s\n", e.what());
    return 1;
  }
}

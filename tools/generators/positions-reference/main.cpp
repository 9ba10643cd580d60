// Writes tests/data/positions_reference.json: sidereal (Lahiri) longitudes of the Sun, the
// Moon, the planets, the mean node and the ascendant from libswe's analytic ephemeris, for a
// fixed set of births spread over 1901 to 2050 and over the four quarters of the globe.
//
//   positions-reference > tests/data/positions_reference.json

#include <swephexp.h>

#include <array>
#include <cstdio>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace {

struct Place {
  const char* name;
  int latDeg, latMin;
  bool south;
  int lonDeg, lonMin;
  bool east;
};

// Places in every quarter of the globe, below 60° of latitude.
constexpr std::array<Place, 12> kPlaces = {{
    {"Delhi", 28, 39, false, 77, 13, true},
    {"Greenwich", 51, 29, false, 0, 0, false},
    {"New York", 40, 43, false, 74, 0, false},
    {"Sydney", 33, 52, true, 151, 12, true},
    {"Buenos Aires", 34, 36, true, 58, 22, false},
    {"Tokyo", 35, 41, false, 139, 41, true},
    {"Nairobi", 1, 17, true, 36, 49, true},
    {"Lima", 12, 2, true, 77, 2, false},
    {"Oslo", 59, 55, false, 10, 45, true},
    {"Cape Town", 33, 55, true, 18, 25, true},
    {"Honolulu", 21, 18, false, 157, 51, false},
    {"Equator", 0, 0, false, 0, 0, false},
}};

struct Birth {
  int year, month, day, hour, minute;
  int place;
};

// Two worked charts first, then births stepped through the years, months, days and hours.
std::vector<Birth> Births() {
  std::vector<Birth> births = {{2000, 1, 1, 12, 0, 11}, {1947, 8, 14, 18, 30, 0}};
  constexpr int kStepped = 34;
  for (int k = 0; k < kStepped; ++k) {
    births.push_back({1901 + k * 149 / (kStepped - 1), 1 + (k * 5) % 12, 1 + (k * 11) % 28,
                      (k * 7) % 24, (k * 13) % 60, k % static_cast<int>(kPlaces.size())});
  }
  return births;
}

double Degrees(int deg, int min, bool negative) {
  const double value = deg + min / 60.0;
  return negative ? -value : value;
}

double SiderealLongitude(double jdUt, int body) {
  double xx[6] = {};
  char error[AS_MAXCH] = {};
  if (swe_calc_ut(jdUt, body, SEFLG_MOSEPH | SEFLG_SIDEREAL, xx, error) < 0) {
    std::cerr << "swe_calc_ut: " << error << '\n';
    std::exit(1);
  }
  return xx[0];
}

}  // namespace

int main() {
  swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0);
  char version[AS_MAXCH] = {};
  swe_version(version);

  nlohmann::ordered_json cases = nlohmann::ordered_json::array();
  for (const Birth& b : Births()) {
    const Place& p = kPlaces[b.place];
    const double jdUt = swe_julday(b.year, b.month, b.day, b.hour + b.minute / 60.0, SE_GREG_CAL);
    const double latitude = Degrees(p.latDeg, p.latMin, p.south);
    const double eastLongitude = Degrees(p.lonDeg, p.lonMin, !p.east);
    double cusps[13] = {}, ascmc[10] = {};
    swe_houses_ex(jdUt, SEFLG_MOSEPH | SEFLG_SIDEREAL, latitude, eastLongitude, 'P', cusps, ascmc);

    nlohmann::ordered_json c;
    c["name"] = std::string(p.name) + " " + std::to_string(b.year) + "-" + std::to_string(b.month) +
                "-" + std::to_string(b.day) + " " + std::to_string(b.hour) + ":" +
                std::to_string(b.minute) + " UT";
    c["ut"] = {{"year", b.year},
               {"month", b.month},
               {"day", b.day},
               {"hour", b.hour},
               {"minute", b.minute}};
    c["latitude"] = {{"deg", p.latDeg}, {"min", p.latMin}, {"south", p.south}};
    c["longitude"] = {{"deg", p.lonDeg}, {"min", p.lonMin}, {"east", p.east}};
    c["sidereal"] = {{"Sun", SiderealLongitude(jdUt, SE_SUN)},
                     {"Moon", SiderealLongitude(jdUt, SE_MOON)},
                     {"Mercury", SiderealLongitude(jdUt, SE_MERCURY)},
                     {"Venus", SiderealLongitude(jdUt, SE_VENUS)},
                     {"Mars", SiderealLongitude(jdUt, SE_MARS)},
                     {"Jupiter", SiderealLongitude(jdUt, SE_JUPITER)},
                     {"Saturn", SiderealLongitude(jdUt, SE_SATURN)},
                     {"Rahu", SiderealLongitude(jdUt, SE_MEAN_NODE)},
                     {"Ascendant", ascmc[0]}};
    cases.push_back(c);
  }
  swe_close();

  nlohmann::ordered_json out;
  out["source"] =
      std::string("libswe ") + version +
      " (Debian libswe-dev), built-in analytic ephemeris SEFLG_MOSEPH, no data files; "
      "sidereal mode SE_SIDM_LAHIRI (swe_set_sid_mode(SE_SIDM_LAHIRI, 0, 0)), flags "
      "SEFLG_MOSEPH | SEFLG_SIDEREAL; swe_julday(..., SE_GREG_CAL) then swe_calc_ut; Rahu is "
      "SE_MEAN_NODE; ascendant ascmc[0] of swe_houses_ex with SEFLG_SIDEREAL (east longitude "
      "positive). Longitudes in degrees. Remake: cmake -S . -B build-gen -DOPC_BUILD_GENERATORS=ON "
      "&& cmake --build build-gen --target positions-reference && "
      "build-gen/tools/generators/positions-reference/positions-reference > "
      "tests/data/positions_reference.json";
  out["cases"] = cases;
  std::cout << out.dump(2) << '\n';
  return 0;
}

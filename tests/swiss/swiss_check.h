#pragma once
// Births for the Swiss Ephemeris's checks: the dump's entries of one, and the library's own
// rising and setting search taken directly, as the reference the reading is held to.
#include <swephexp.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <string>

#include "core/calculation.h"

namespace swisscheck {

using namespace std::chrono;

struct Birth {
  int year, month, day, hour, minute;
  int offsetMinutes;     // local clock less universal time
  int latitudeMinutes;   // arc minutes, north positive
  int longitudeMinutes;  // arc minutes, east positive
  core::SwissSettings settings;
  int second = 0;
};

// The dump's line for the birth, read with the Swiss Ephemeris or the built-in formulas.
inline std::string Line(const Birth& b, bool swiss, const std::string& more = "") {
  static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                        "May",       "June",     "July",     "August",
                                        "September", "October",  "November", "December"};
  const int lat = std::abs(b.latitudeMinutes), lon = std::abs(b.longitudeMinutes);
  char text[640];
  std::snprintf(text, sizeof text,
                R"({"txtName": "CHECK", "cboMonth": "%s", "cboDate": "%d", "cboYear": "%d",)"
                R"( "cboHH": "%d", "cboMM": "%d", "cboSS": "%d", "cmbTimeZone": -1,)"
                R"( "utcOffsetSeconds": %d, "txtLatD": "%d", "txtLatM": "%d", "optLat": "%s",)"
                R"( "txtLonD": "%d", "txtLonM": "%d", "optLong": "%s")",
                kMonths[b.month - 1], b.day, b.year, b.hour, b.minute, b.second,
                b.offsetMinutes * 60, lat / 60, lat % 60, b.latitudeMinutes < 0 ? "South" : "North",
                lon / 60, lon % 60, b.longitudeMinutes < 0 ? "West" : "East");
  std::string line = text;
  if (swiss)
    line += R"(, "calculation": {"ephemeris": "swiss", "ayanamsa": ")" +
            std::string(core::AyanamsaName(b.settings.ayanamsa)) + R"(", "node": ")" +
            std::string(core::NodeName(b.settings.node)) + R"(", "sunrise": ")" +
            std::string(core::SunriseName(b.settings.sunrise)) + R"("})";
  return line + more + "}";
}

// "2000-06-23T00:47:10", as the dump writes a moment.
inline std::optional<local_seconds> ParseLocal(const std::string& text) {
  int y, mo, d, h, mi, s;
  if (std::sscanf(text.c_str(), "%d-%d-%dT%d:%d:%d", &y, &mo, &d, &h, &mi, &s) != 6)
    return std::nullopt;
  return local_days{year{y} / mo / d} + hours{h} + minutes{mi} + seconds{s};
}

// The library's sunrise of the local date and the sunset that follows it (wherever it falls),
// with the flags of the birth's rule, on the birth's clock; empty where it finds none.
struct Sun {
  std::optional<local_seconds> rise, set;
};
inline Sun LibrarySun(const Birth& b, local_days date) {
  constexpr double kUnixEpochJd = 2440587.5;
  const seconds offset = minutes{b.offsetMinutes};
  const double start = kUnixEpochJd + (date.time_since_epoch() - offset).count() / 86400.0 + 0.0;
  double geopos[3] = {b.longitudeMinutes / 60.0, b.latitudeMinutes / 60.0, 0};
  const int rule = b.settings.sunrise == core::SunriseRule::DiscCentre ? SE_BIT_HINDU_RISING : 0;
  const auto event = [&](double from, int which) -> std::optional<double> {
    double t = 0;
    char error[AS_MAXCH] = "";
    if (swe_rise_trans(from, SE_SUN, nullptr, SEFLG_SWIEPH, which | rule, geopos, 1013.25, 15, &t,
                       error) != 0)
      return std::nullopt;
    return t;
  };
  const auto local = [&](double jd) {
    return local_seconds{seconds{std::llround((jd - kUnixEpochJd) * 86400)} + offset};
  };
  Sun sun;
  const auto rise = event(start, SE_CALC_RISE);
  if (!rise || *rise >= start + 1) return sun;
  sun.rise = local(*rise);
  if (const auto set = event(*rise, SE_CALC_SET); set && *set < *rise + 1) sun.set = local(*set);
  return sun;
}

}  // namespace swisscheck

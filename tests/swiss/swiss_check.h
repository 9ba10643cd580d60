#pragma once
// Births for the Swiss Ephemeris's checks: the dump's entries of one, and the library's own
// rising and setting search taken directly, as the reference the reading is held to.
#include <swephexp.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

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

// Each date's sunrise and sunset the reading holds against the library's own search: how
// many were compared, those further than a minute off, and the dates the library finds no
// rise or set on (the reading's stand-ins stand there).
struct SunCheck {
  int compared = 0, withoutEither = 0;
  std::vector<std::string> off;
};
inline SunCheck CheckSunTimes(const Birth& b, const nlohmann::json& record) {
  SunCheck check;
  const local_days birthDate{year{b.year} / b.month / b.day};
  const struct {
    const char *rise, *set;
    int date;
  } pairs[] = {{"PrevSunrise", "PrevSunset", -1},
               {"Sunrise", "Sunset", 0},
               {"NextSunrise", "NextSunset", 1}};
  for (const auto& pair : pairs) {
    if (record[pair.rise].is_null()) continue;
    const Sun want = LibrarySun(b, birthDate + days{pair.date});
    if (!want.rise || !want.set) {
      ++check.withoutEither;
      continue;
    }
    for (const auto& [key, time] : {std::pair{pair.rise, *want.rise}, {pair.set, *want.set}}) {
      ++check.compared;
      const auto got = ParseLocal(record[key].get<std::string>());
      if (!got || std::abs((*got - time).count()) > 60)
        check.off.push_back(std::string(key) + " " + record[key].dump() + ", the library's " +
                            (got ? std::to_string((time - *got).count()) + " s later" : "?"));
    }
  }
  return check;
}

// A folder of ephemeris files made from those of swe-basic-data, one of them spoiled.
enum class Spoil { Intact, Missing, Truncated, HeaderFlipped, DataFlipped };
struct Folder {
  std::string file;  // the file spoiled: sepl_18.se1 (Sun, planets) or semo_18.se1 (Moon)
  Spoil spoil;
  std::size_t at = 0;  // Truncated: the length kept; flipped: the first byte changed
};

// Makes the folder under `root` (each byte from `at` on, every 997th, turned over); its path.
inline std::string MakeFolder(const std::filesystem::path& root, const Folder& f) {
  namespace fs = std::filesystem;
  const fs::path folder =
      root / (f.file + "-" + std::to_string(int(f.spoil)) + "-" + std::to_string(f.at));
  fs::create_directories(folder);
  for (const char* name : {"sepl_18.se1", "semo_18.se1", "seas_18.se1"}) {
    const fs::path from = fs::path(OPC_SWE_EPHE_DIR) / name, to = folder / name;
    fs::remove(to);
    if (f.file == name && f.spoil == Spoil::Missing) continue;
    fs::copy_file(from, to);
    if (f.file != name || f.spoil == Spoil::Intact) continue;
    if (f.spoil == Spoil::Truncated) {
      fs::resize_file(to, f.at);
      continue;
    }
    std::fstream data(to, std::ios::in | std::ios::out | std::ios::binary);
    const auto size = static_cast<std::size_t>(fs::file_size(to));
    const std::size_t last = f.spoil == Spoil::HeaderFlipped ? std::min(size, f.at + 400) : size;
    for (std::size_t i = f.at; i < last; i += f.spoil == Spoil::HeaderFlipped ? 7 : 997) {
      char byte = 0;
      data.seekg(static_cast<std::streamoff>(i));
      data.get(byte);
      data.seekp(static_cast<std::streamoff>(i));
      data.put(static_cast<char>(byte ^ 0x5a));
    }
  }
  return folder.string();
}

// The dump's answers to the lines with the library's path set to `folder`, as a person would
// run it (the library reads SE_EPHE_PATH before the path the program gives).
inline std::vector<nlohmann::json> RunDump(const std::string& folder,
                                           const std::vector<std::string>& lines) {
  const std::string input = folder + "/lines.jsonl";
  std::ofstream(input) << [&] {
    std::string all;
    for (const auto& line : lines) all += line + "\n";
    return all;
  }();
  const std::string command =
      "SE_EPHE_PATH='" + folder + "' '" OPC_READING_DUMP "' < '" + input + "'";
  std::vector<nlohmann::json> out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    std::string text;
    char buffer[65536];
    while (const std::size_t n = std::fread(buffer, 1, sizeof buffer, pipe)) text.append(buffer, n);
    pclose(pipe);
    std::size_t from = 0;
    for (std::size_t end; (end = text.find('\n', from)) != std::string::npos; from = end + 1)
      out.push_back(nlohmann::json::parse(text.substr(from, end - from)));
  }
  return out;
}

}  // namespace swisscheck

// The reading with the Swiss Ephemeris, through the dump as the program runs it: its sunrise
// and sunset against the library's own swe_rise_trans (same flags, within a minute), its day
// or night and lords against the built-in formulas where both agree on the sun.
#include <gtest/gtest.h>
#include <swephexp.h>
#include <unistd.h>

#include <chrono>
#include <cmath>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

#include "reading-dump/dump_line.h"
#include "tests/swiss/swiss_check.h"

namespace {

using namespace std::chrono;
using nlohmann::json;

struct SunBirth {
  const char* name;
  swisscheck::Birth birth;
  bool lordsAsBuiltIn;  // both calculations put the birth in the same period, far from its edges
  const char* period;   // Dinamana or Ratrimana
};

// Near the polar circles a summer sunset falls after local midnight: the day opened by the
// sunrise closes on the next date.
// clang-format off
const SunBirth kSunBirths[] = {
    {"Fairbanks, 00:20 before the sunset", {2000, 6, 22, 0, 20, -480, 64 * 60 + 50,
     -(147 * 60 + 43), {}}, true, "Dinamana"},
    {"Fairbanks, noon", {2000, 6, 22, 12, 0, -480, 64 * 60 + 50, -(147 * 60 + 43), {}},
     true, "Dinamana"},
    {"Reykjavik, 00:01 before the sunset", {2000, 6, 21, 0, 1, 0, 64 * 60 + 9, -(21 * 60 + 57),
     {}}, false, "Dinamana"},
    {"Reykjavik, evening, disc centre", {2000, 6, 20, 22, 0, 0, 64 * 60 + 9, -(21 * 60 + 57),
     {core::Ayanamsa::Raman, core::Node::True, core::SunriseRule::DiscCentre}}, false, "Dinamana"},
    {"Anchorage, after a sunset before midnight", {2000, 6, 21, 23, 55, -480, 61 * 60 + 13,
     -(149 * 60 + 54), {}}, true, "Ratrimana"},
};
// clang-format on

TEST(SwissReading, SunsetAfterMidnightClosesTheDay) {
  for (const SunBirth& row : kSunBirths) {
    SCOPED_TRACE(row.name);
    core::BirthRecord swissRecord, builtInRecord;
    const json swiss =
        json::parse(dump::ProcessLine(swisscheck::Line(row.birth, true), swissRecord));
    ASSERT_TRUE(swiss.value("accepted", false)) << swiss.dump();
    const json& r = swiss["record"];
    EXPECT_EQ(r["PeriodName"], row.period);
    const swisscheck::SunCheck sun = swisscheck::CheckSunTimes(row.birth, r);
    EXPECT_EQ(sun.withoutEither, 0);
    for (const std::string& off : sun.off) ADD_FAILURE() << off;
    if (!row.lordsAsBuiltIn) continue;
    const json builtIn =
        json::parse(dump::ProcessLine(swisscheck::Line(row.birth, false), builtInRecord));
    for (const char* key : {"PeriodName", "Yamardhapati", "Dandadhipati"})
      EXPECT_EQ(r[key], builtIn["record"][key]) << key;
  }
}

// Each folder holds the files of swe-basic-data with one of them spoiled. A reading is refused
// with the spoiled file named, or made from the analytical ephemeris for exactly the bodies
// whose file could not be read, and says so; a reading refused leaves the record as it was.
struct FileCase {
  const char* name;
  swisscheck::Folder folder;
  const char* refusedNaming;  // the file the refusal names; nullptr: accepted
  const char* sources;        // accepted: Sun .. Ketu, F files, A analytical
};
using S = swisscheck::Spoil;
const FileCase kFileCases[] = {
    {"planets' file intact", {"sepl_18.se1", S::Intact}, nullptr, "FFFFFFFFF"},
    {"planets' file cut short", {"sepl_18.se1", S::Truncated, 200000}, "sepl_18.se1", nullptr},
    {"Moon's file cut short", {"semo_18.se1", S::Truncated, 600000}, "semo_18.se1", nullptr},
    {"Moon's file's coefficients spoiled",
     {"semo_18.se1", S::DataFlipped, 200},
     "semo_18.se1",
     nullptr},
    {"Moon's file missing", {"semo_18.se1", S::Missing}, nullptr, "FAFFFFFFF"},
    {"planets' file missing", {"sepl_18.se1", S::Missing}, nullptr, "AAAAAAAAA"},
};

TEST(SwissReading, SpoiledFileRefusesOrSaysWhatServed) {
  const auto root =
      std::filesystem::temp_directory_path() / ("opc-swiss-files-" + std::to_string(::getpid()));
  const swisscheck::Birth delhi{1984, 3, 7, 10, 5, 330, 28 * 60 + 38, 77 * 60 + 13, {}};
  const swisscheck::Birth fairbanks{2000, 6, 22, 0, 20, -480, 64 * 60 + 50, -(147 * 60 + 43), {}};
  const std::string sources = R"(, "extras": ["sources"])";
  const std::vector<std::string> lines = {swisscheck::Line(delhi, false),
                                          swisscheck::Line(fairbanks, true, sources)};
  for (const FileCase& c : kFileCases) {
    SCOPED_TRACE(c.name);
    const auto out = swisscheck::RunDump(swisscheck::MakeFolder(root, c.folder), lines);
    ASSERT_EQ(out.size(), 2u);
    const nlohmann::json& swiss = out[1];
    const bool accepted = swiss.value("accepted", false);
    if (c.refusedNaming) {
      const std::string message = swiss.value("/refusal/message"_json_pointer, "");
      EXPECT_FALSE(accepted) << swiss.dump().substr(0, 300);
      EXPECT_NE(message.find(c.refusedNaming), std::string::npos) << message;
      nlohmann::json kept = swiss["record"];  // Delhi's, untouched, with the Swiss keys
      kept.erase("Calculation");
      kept.erase("Longitudes");
      EXPECT_EQ(kept, out[0]["record"]);
      continue;
    }
    EXPECT_TRUE(accepted) << swiss.dump().substr(0, 300);
    if (!accepted) continue;
    const nlohmann::json& calculation = swiss["record"]["Calculation"];
    std::string told;
    for (const auto& source : calculation["sources"]) told += source == "files" ? 'F' : 'A';
    EXPECT_EQ(told, c.sources);
    EXPECT_EQ(calculation["files"], told == "FFFFFFFFF");
  }
  std::filesystem::remove_all(root);
}

}  // namespace

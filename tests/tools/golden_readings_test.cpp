// Complete readings, entries in and the whole dump line out, compared with committed files.
// Each file names why the case was chosen; scripts/update-golden remakes the expectations.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>

#include "reading-dump/dump_line.h"

namespace {

using nlohmann::json;
namespace fs = std::filesystem;

std::vector<fs::path> GoldenFiles() {
  std::vector<fs::path> files;
  for (const auto& entry : fs::directory_iterator(fs::path(OPC_TEST_DATA_DIR) / "golden"))
    if (entry.path().extension() == ".json") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

// Lists the differing leaves so a failure says where the reading changed.
void Differences(const json& want, const json& got, const std::string& at,
                 std::vector<std::string>& out) {
  if (want.type() == got.type() && (want.is_object() || want.is_array()) &&
      want.size() == got.size()) {
    if (want.is_object()) {
      for (const auto& [key, value] : want.items())
        got.contains(key) ? Differences(value, got[key], at + "." + key, out)
                          : out.push_back(at + "." + key + " missing");
    } else {
      for (std::size_t i = 0; i < want.size(); ++i)
        Differences(want[i], got[i], at + "[" + std::to_string(i) + "]", out);
    }
  } else if (want != got) {
    out.push_back(at + ": want " + want.dump() + ", got " + got.dump());
  }
}

TEST(GoldenReadings, MatchTheCommittedReadings) {
  const auto files = GoldenFiles();
  ASSERT_GE(files.size(), 7u) << "golden readings missing";
  for (const auto& file : files) {
    std::ifstream in(file);
    const json golden = json::parse(in);
    core::BirthRecord record;
    const json got = json::parse(dump::ProcessLine(golden.at("input").dump(), record));
    std::vector<std::string> diffs;
    Differences(golden.at("output"), got, "", diffs);
    EXPECT_TRUE(diffs.empty()) << file.filename() << " (" << golden.at("why").get<std::string>()
                               << ") differs:\n"
                               << [&] {
                                    std::string s;
                                    for (const auto& d : diffs) s += "  " + d + "\n";
                                    return s;
                                  }();
  }
}

}  // namespace

// The tools' input bounds: a longer line is answered once and skipped to its end, a deeper
// nesting refused before anything is built from it (it crashed the dump's copy of it).
#include "line-bounds/line_bounds.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "place-lookup/lookup_line.h"
#include "reading-dump/dump_line.h"

namespace {

// A line over the bound is answered at once and skipped to its newline; the next as ever.
TEST(LineBounds, ALongLineIsAnsweredOnce) {
  const std::string bound(16, 'x');
  std::istringstream in(bound + "\n" + bound + "x\nb\n" + std::string(1000, 'x'));
  std::ostringstream out;
  const auto echo = [](std::string_view line) { return std::string(line); };
  lines::AnswerLines(in, out, echo, 16);
  const std::string tooLong(lines::kTooLongAnswer);
  EXPECT_EQ(out.str(), bound + "\n" + tooLong + "\nb\n" + tooLong + "\n");
}

TEST(LineBounds, BothToolsRefuseDeepNesting) {
  core::BirthRecord record;
  lookup::PlaceLookup lookup;
  for (const char* key : {"calculation", "extras", "cboYear"}) {
    for (const std::size_t depth : {64, 65, 150000}) {  // the line's own object included
      const std::string line = "{\"" + std::string(key) + "\": " + std::string(depth - 1, '[') +
                               std::string(depth - 1, ']') + "}";
      for (const std::string& answer :
           {dump::ProcessLine(line, record), lookup.ProcessLine(line)}) {
        const std::string error = nlohmann::json::parse(answer).value("error", "");
        EXPECT_FALSE(error.empty()) << key << depth;
        EXPECT_EQ(error == lines::kTooDeep, depth > 64) << key << depth << ": " << error;
      }
    }
  }
}

}  // namespace

// The tools' input bounds: a line longer than they read is answered once and skipped to its
// end, a nesting deeper than they read is refused before anything is built from it, and every
// line within both is answered as before.
#include "line-bounds/line_bounds.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "place-lookup/lookup_line.h"
#include "reading-dump/dump_line.h"

namespace {

const std::string kTooLong(lines::kTooLongAnswer);

std::vector<std::string> Answers(const std::string& input, std::size_t longest) {
  std::istringstream in(input);
  std::ostringstream out;
  const auto echo = [](std::string_view line) {
    std::string answer = "<";
    return answer.append(line).append(">");
  };
  lines::AnswerLines(in, out, echo, longest);
  std::vector<std::string> answers;
  std::istringstream written(out.str());
  for (std::string line; std::getline(written, line);) answers.push_back(line);
  return answers;
}

TEST(LineBounds, EachLineIsAnsweredOnceWithinTheBound) {
  const std::string bound(16, 'x');
  struct Row {
    const char* name;
    std::string input;
    std::vector<std::string> answers;
  };
  const Row rows[] = {
      {"short lines and an empty one", "a\n\nbc\n", {"<a>", "<>", "<bc>"}},
      {"the last line without its newline", "a\nbc", {"<a>", "<bc>"}},
      {"a line as long as the bound", bound + "\nb\n", {"<" + bound + ">", "<b>"}},
      {"a line as long as the bound, at the end", bound, {"<" + bound + ">"}},
      {"one byte over: skipped to its newline", bound + "x\nb\n", {kTooLong, "<b>"}},
      {"far over and never ended", std::string(1000, 'x'), {kTooLong}},
      {"two long lines in a row", bound + "xx\n" + bound + "x\nb", {kTooLong, kTooLong, "<b>"}},
      {"zero bytes and a carriage return are the line's",
       std::string("a\0b\r\n", 5),
       {std::string("<a\0b\r>", 6)}},
  };
  for (const Row& row : rows) EXPECT_EQ(Answers(row.input, 16), row.answers) << row.name;
}

// What the tools run: a line over 1 MiB is answered once, the next line as ever.
TEST(LineBounds, TheDumpGoesOnAfterALongLine) {
  const std::string entries = R"({"txtName": "ASHA", "cboYear": "1984"})";
  core::BirthRecord alone, after;
  const std::string expected = dump::ProcessLine(entries, alone);
  std::istringstream in(std::string(lines::kLongestLine + 1, '[') + "\n" + entries + "\n");
  std::ostringstream out;
  lines::AnswerLines(in, out,
                     [&after](std::string_view line) { return dump::ProcessLine(line, after); });
  EXPECT_EQ(out.str(), kTooLong + "\n" + expected + "\n");
}

// Deep lists and objects inside the keys that hold structure, and inside one that does not.
TEST(LineBounds, BothToolsRefuseDeepNesting) {
  const auto nested = [](const char* key, int depth) {
    return "{\"" + std::string(key) + "\": " + std::string(std::size_t(depth) - 1, '[') +
           std::string(std::size_t(depth) - 1, ']') + "}";
  };
  core::BirthRecord record;
  lookup::PlaceLookup lookup;
  for (const char* key : {"calculation", "extras", "txtName", "cboYear"}) {
    for (const int depth : {lines::kDeepestNesting, lines::kDeepestNesting + 1, 150000}) {
      const std::string line = nested(key, depth);
      const bool tooDeep = depth > lines::kDeepestNesting;
      for (const std::string& answer :
           {dump::ProcessLine(line, record), lookup.ProcessLine(line)}) {
        const auto error = nlohmann::json::parse(answer).value("error", "");
        EXPECT_EQ(error == lines::kTooDeep, tooDeep)
            << key << " at depth " << depth << ": " << error;
        EXPECT_FALSE(error.empty()) << key << " at depth " << depth;
      }
    }
  }
}

}  // namespace

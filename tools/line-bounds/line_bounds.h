#pragma once
// The bounds of one input line of the headless tools, which read JSON lines from anywhere
// (a pipe, a file, /dev/zero): a line is at most 1 MiB, as a birth-details file, and its JSON
// nests at most 64 deep (an entry nests two). A longer line is answered with one error and
// skipped to its end without being held; a deeper one is refused before anything is built
// from it.

#include <cstddef>
#include <functional>
#include <istream>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace lines {

inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;
inline constexpr int kDeepestNesting = 64;

inline constexpr const char* kTooDeep = "The line nests more than 64 lists or objects.";
// The tools' answer to a longer line, as they write every error.
inline constexpr std::string_view kTooLongAnswer = R"({"error":"The line is longer than 1 MiB."})";

// Reads lines of at most `longest` bytes from a stream, one buffer for all of them.
class BoundedLines {
 public:
  enum class Got { Line, TooLong, End };

  explicit BoundedLines(std::istream& in, std::size_t longest = kLongestLine);
  // The next line, without its newline, in `line` (valid until the next call). After TooLong
  // the rest of that line is skipped by the next call, which may take long on an endless one:
  // the caller answers first.
  Got Next(std::string_view& line);

 private:
  std::istream& in_;
  std::vector<char> buffer_;
  bool skipping_ = false;
};

// The tools' loop: one line out for each line in, flushed at once; `answer` for a line within
// `longest` bytes, kTooLongAnswer for a longer one.
void AnswerLines(std::istream& in, std::ostream& out,
                 const std::function<std::string(std::string_view)>& answer,
                 std::size_t longest = kLongestLine);

}  // namespace lines

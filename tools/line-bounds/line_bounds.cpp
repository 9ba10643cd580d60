#include "line-bounds/line_bounds.h"

#include <limits>

namespace lines {

BoundedLines::BoundedLines(std::istream& in, std::size_t longest) : in_(in), buffer_(longest + 1) {}

BoundedLines::Got BoundedLines::Next(std::string_view& line) {
  if (skipping_) {
    in_.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    skipping_ = false;
  }
  // getline stores at most size - 1 characters; it fails when that many came without a newline
  // (the line is longer), or when nothing at all was left to read.
  const auto room = static_cast<std::streamsize>(buffer_.size());
  in_.getline(buffer_.data(), room);
  const std::streamsize taken = in_.gcount();
  if (in_.fail() && !in_.eof() && taken == room - 1) {
    in_.clear();
    skipping_ = true;
    return Got::TooLong;
  }
  if (in_.fail()) return Got::End;
  // A line ended by its newline counts it among what was taken; the last line may have none.
  const bool newline = !in_.eof();
  line = std::string_view(buffer_.data(), static_cast<std::size_t>(taken - (newline ? 1 : 0)));
  return Got::Line;
}

void AnswerLines(std::istream& in, std::ostream& out,
                 const std::function<std::string(std::string_view)>& answer, std::size_t longest) {
  BoundedLines input(in, longest);
  std::string_view line;
  // Stops once the output fails (a full disk, a closed pipe): nothing more could be said.
  for (BoundedLines::Got got; out && (got = input.Next(line)) != BoundedLines::Got::End;) {
    if (got == BoundedLines::Got::Line)
      out << answer(line);
    else
      out << kTooLongAnswer;
    out << '\n' << std::flush;
  }
}

}  // namespace lines

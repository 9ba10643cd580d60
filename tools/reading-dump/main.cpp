// reading-dump: runs the program's reading without any window, one JSON line in, one out.
#include <cerrno>
#include <cstring>
#include <iostream>

#include "line-bounds/line_bounds.h"
#include "reading-dump/dump_line.h"

int main() {
  std::ios::sync_with_stdio(false);
  core::BirthRecord record;  // one record for the whole run, as in the program
  lines::AnswerLines(std::cin, std::cout,
                     [&record](std::string_view line) { return dump::ProcessLine(line, record); });
  if (!std::cout) {  // a full disk, a closed pipe: said, not only in the exit status
    std::cerr << "reading-dump: standard output cannot be written: " << std::strerror(errno)
              << '\n';
    return 1;
  }
  return 0;
}

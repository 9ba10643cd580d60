// place-lookup: the form's atlas and birth clock without a window, one JSON line in, one out.
#include <cerrno>
#include <cstring>
#include <iostream>

#include "line-bounds/line_bounds.h"
#include "place-lookup/lookup_line.h"

int main() {
  std::ios::sync_with_stdio(false);
  lookup::PlaceLookup lookup;
  lines::AnswerLines(std::cin, std::cout,
                     [&lookup](std::string_view line) { return lookup.ProcessLine(line); });
  if (!std::cout) {  // a full disk, a closed pipe: said, not only in the exit status
    std::cerr << "place-lookup: standard output cannot be written: " << std::strerror(errno)
              << '\n';
    return 1;
  }
  return 0;
}

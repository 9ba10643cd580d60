// place-lookup: the form's atlas and birth clock without a window, one JSON line in, one out.
#include <cerrno>
#include <cstring>
#include <iostream>
#include <string>

#include "place-lookup/lookup_line.h"

int main() {
  std::ios::sync_with_stdio(false);
  lookup::PlaceLookup lookup;
  std::string line;
  while (std::getline(std::cin, line)) {
    std::cout << lookup.ProcessLine(line) << '\n' << std::flush;
    if (!std::cout) {  // a full disk, a closed pipe: said, not only in the exit status
      std::cerr << "place-lookup: standard output cannot be written: " << std::strerror(errno)
                << '\n';
      return 1;
    }
  }
  return std::cout ? 0 : 1;
}

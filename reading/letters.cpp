#include "reading/letters.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace reading {

namespace {

struct CodeRange {
  char32_t first, last;
};

struct CaseRun {
  char32_t first, last;
  std::uint8_t step;
  std::int32_t delta;
};

#include "letter_tables.inc"

}  // namespace

bool IsLetterOrMark(char32_t c) {
  // The first range that ends at or after c holds c if it starts at or before it.
  const auto range = std::lower_bound(kLettersAndMarks.begin(), kLettersAndMarks.end(), c,
                                      [](const CodeRange& r, char32_t v) { return r.last < v; });
  return range != kLettersAndMarks.end() && range->first <= c;
}

char32_t UpperCase(char32_t c) {
  const auto run = std::lower_bound(kUpperCaseRuns.begin(), kUpperCaseRuns.end(), c,
                                    [](const CaseRun& r, char32_t v) { return r.last < v; });
  if (run == kUpperCaseRuns.end() || run->first > c || (c - run->first) % run->step != 0) return c;
  return static_cast<char32_t>(static_cast<std::int32_t>(c) + run->delta);
}

}  // namespace reading

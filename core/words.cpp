#include "core/words.h"

namespace core {

std::string FillPattern(std::string_view pattern, std::size_t count,
                        const std::function<std::string(std::size_t)>& part) {
  std::string out;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' &&
        pattern[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(pattern[i + 1] - '1');
      if (index < count) out += part(index);
      ++i;
      continue;
    }
    out += pattern[i];
  }
  return out;
}

std::string English(const Words& words) {
  if (!words.translated) return words.pattern;  // a place may be called "50%"
  return FillPattern(words.pattern, words.parts.size(),
                     [&words](std::size_t i) { return English(words.parts[i]); });
}

}  // namespace core

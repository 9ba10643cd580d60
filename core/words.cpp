#include "core/words.h"

namespace core {

std::string English(const Words& words) {
  if (!words.translated) return words.pattern;  // a place may be called "50%"
  std::string out;
  const std::string& p = words.pattern;
  for (std::size_t i = 0; i < p.size(); ++i) {
    if (p[i] == '%' && i + 1 < p.size() && p[i + 1] >= '1' && p[i + 1] <= '9') {
      const auto index = static_cast<std::size_t>(p[i + 1] - '1');
      if (index < words.parts.size()) out += English(words.parts[index]);
      ++i;
      continue;
    }
    out += p[i];
  }
  return out;
}

}  // namespace core

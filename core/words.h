#pragma once
// A sentence as its English template and the parts that fill it. The library writes its
// sentences this way so that the windows can translate the template whole, each language
// ordering the parts as it writes them, and then fill the parts in; English() gives the
// English sentence itself.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace core {

struct Words {
  // English, with %1 .. %9 where the parts go; a fixed part (a place, a date, a time, an
  // offset, a zone id) is its own text, never translated.
  std::string pattern;
  std::vector<Words> parts;
  bool translated = true;
};

// A fixed part: shown as it is in every language.
inline Words Fixed(std::string text) {
  return {std::move(text), {}, false};
}

// A translated phrase with its parts.
inline Words Phrase(std::string pattern, std::vector<Words> parts = {}) {
  return {std::move(pattern), std::move(parts), true};
}

// `pattern` (UTF-8) with each %1 .. %9 replaced by part(0) .. part(8) where that part is one of
// `count`, and left out where it is not; a % before anything else is kept.
std::string FillPattern(std::string_view pattern, std::size_t count,
                        const std::function<std::string(std::size_t)>& part);

// The English sentence: the pattern filled with its parts in English.
std::string English(const Words& words);

}  // namespace core

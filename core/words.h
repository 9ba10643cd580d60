#pragma once
// A sentence as its English template and the parts that fill it. The library writes its
// sentences this way so that the windows can translate the template whole, each language
// ordering the parts as it writes them, and then fill the parts in; English() gives the
// English sentence itself.

#include <string>
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

// The English sentence: each %1 .. %9 of the pattern replaced by its part (a % before anything
// else is kept).
std::string English(const Words& words);

}  // namespace core

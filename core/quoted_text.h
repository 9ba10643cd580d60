#pragma once
// A person's or a file's text as a message quotes it. A file may hold anything: an ESC that
// moves the terminal's cursor, a CR that writes the rest of the line over the message, a BEL, a
// NUL that ends the message where a C string is made of it, or a name of 200,000 letters. So
// every control character is shown as an escape (\e, \r, \a, \0, \x7F, \u0085, \u202E) and a
// text longer than kQuotedLetters letters is cut, its length said. Plain C++, UTF-8.

#include <cstddef>
#include <string>
#include <string_view>

namespace core {

inline constexpr std::size_t kQuotedLetters = 80;

struct QuotedText {
  std::string shown;        // escaped, and cut after kQuotedLetters letters
  std::size_t letters = 0;  // the whole text's length in letters (code points)
  bool cut = false;
};

QuotedText Quote(std::string_view text);

// The quoted text in English: shown as it is, or cut with its length, "ABC… (200000 letters)".
std::string QuoteForMessage(std::string_view text);

}  // namespace core

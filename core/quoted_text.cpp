#include "core/quoted_text.h"

#include <cstdio>

namespace core {

namespace {

// The code point starting at text[i] and its length in bytes; a byte that starts no valid
// UTF-8 sequence is taken alone (and shown as \xNN).
struct CodePoint {
  char32_t value;
  std::size_t bytes;
  bool valid;
};

CodePoint Decode(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead < 0x80) return {lead, 1, true};
  const std::size_t length = lead >= 0xF0 && lead < 0xF5 ? 4
                             : lead >= 0xE0              ? 3
                             : lead >= 0xC2              ? 2
                                                         : 0;
  if (length == 0 || i + length > text.size()) return {lead, 1, false};
  char32_t value = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xC0) != 0x80) return {lead, 1, false};
    value = value << 6 | (next & 0x3F);
  }
  const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
  if (value < smallest[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
    return {lead, 1, false};
  return {value, length, true};
}

// Characters that act rather than show: C0 and C1 controls, DEL, the line and paragraph
// separators, and the bidirectional overrides and isolates, which can show a text reversed.
bool Acts(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x2028 || c == 0x2029 ||
         (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

std::string Escape(char32_t c, bool valid) {
  switch (c) {
    case 0:
      return "\\0";
    case '\a':
      return "\\a";
    case '\b':
      return "\\b";
    case '\t':
      return "\\t";
    case '\n':
      return "\\n";
    case '\v':
      return "\\v";
    case '\f':
      return "\\f";
    case '\r':
      return "\\r";
    case 0x1B:
      return "\\e";
    default:
      break;
  }
  char buf[16];
  if (!valid || c < 0x80)
    std::snprintf(buf, sizeof buf, "\\x%02X", static_cast<unsigned>(c));
  else
    std::snprintf(buf, sizeof buf, "\\u%04X", static_cast<unsigned>(c));
  return buf;
}

}  // namespace

QuotedText Quote(std::string_view text) {
  QuotedText quoted;
  for (std::size_t i = 0; i < text.size();) {
    const CodePoint c = Decode(text, i);
    if (++quoted.letters <= kQuotedLetters) {
      if (!c.valid || Acts(c.value))
        quoted.shown += Escape(c.value, c.valid);
      else if (c.value == '\\')
        quoted.shown += "\\\\";  // so that a backslash in the text is not read as an escape
      else
        quoted.shown.append(text.substr(i, c.bytes));
    }
    i += c.bytes;
  }
  quoted.cut = quoted.letters > kQuotedLetters;
  return quoted;
}

std::string QuoteForMessage(std::string_view text) {
  const QuotedText quoted = Quote(text);
  if (!quoted.cut) return quoted.shown;
  return quoted.shown + "… (" + std::to_string(quoted.letters) + " letters)";
}

}  // namespace core

#include "places/fold.h"

#include <array>
#include <cstdint>

namespace places {
namespace {

// What each accented or extra Latin letter folds to, both cases alike: the base letter of its
// Unicode canonical decomposition, or for letters without one (ß, æ, ø, ł, ı, đ, þ, œ) the
// letters of its Unicode character name ("LATIN SMALL LETTER SHARP S" -> "ss"). An empty
// entry is a sign, not a letter, and separates words. Made once from Python's unicodedata
// (Unicode 14) with that rule; the table is data, the code below only looks it up.
// Latin-1 letters, Latin Extended-A and -B: U+00C0..U+024F, eight code points a line.
constexpr std::array<std::string_view, 400> kLatin = {{
    "a",  "a",  "a",  "a",  "a",  "a",  "ae", "c",   // U+00C0
    "e",  "e",  "e",  "e",  "i",  "i",  "i",  "i",   // U+00C8
    "d",  "n",  "o",  "o",  "o",  "o",  "o",  "",    // U+00D0
    "o",  "u",  "u",  "u",  "u",  "y",  "th", "ss",  // U+00D8
    "a",  "a",  "a",  "a",  "a",  "a",  "ae", "c",   // U+00E0
    "e",  "e",  "e",  "e",  "i",  "i",  "i",  "i",   // U+00E8
    "d",  "n",  "o",  "o",  "o",  "o",  "o",  "",    // U+00F0
    "o",  "u",  "u",  "u",  "u",  "y",  "th", "y",   // U+00F8
    "a",  "a",  "a",  "a",  "a",  "a",  "c",  "c",   // U+0100
    "c",  "c",  "c",  "c",  "c",  "c",  "d",  "d",   // U+0108
    "d",  "d",  "e",  "e",  "e",  "e",  "e",  "e",   // U+0110
    "e",  "e",  "e",  "e",  "g",  "g",  "g",  "g",   // U+0118
    "g",  "g",  "g",  "g",  "h",  "h",  "h",  "h",   // U+0120
    "i",  "i",  "i",  "i",  "i",  "i",  "i",  "i",   // U+0128
    "i",  "i",  "ij", "ij", "j",  "j",  "k",  "k",   // U+0130
    "k",  "l",  "l",  "l",  "l",  "l",  "l",  "l",   // U+0138
    "l",  "l",  "l",  "n",  "n",  "n",  "n",  "n",   // U+0140
    "n",  "n",  "ng", "ng", "o",  "o",  "o",  "o",   // U+0148
    "o",  "o",  "oe", "oe", "r",  "r",  "r",  "r",   // U+0150
    "r",  "r",  "s",  "s",  "s",  "s",  "s",  "s",   // U+0158
    "s",  "s",  "t",  "t",  "t",  "t",  "t",  "t",   // U+0160
    "u",  "u",  "u",  "u",  "u",  "u",  "u",  "u",   // U+0168
    "u",  "u",  "u",  "u",  "w",  "w",  "y",  "y",   // U+0170
    "y",  "z",  "z",  "z",  "z",  "z",  "z",  "s",   // U+0178
    "b",  "b",  "b",  "b",  "",   "",   "o",  "c",   // U+0180
    "c",  "d",  "d",  "d",  "d",  "d",  "e",  "e",   // U+0188
    "e",  "f",  "f",  "g",  "g",  "hv", "i",  "i",   // U+0190
    "k",  "k",  "l",  "l",  "m",  "n",  "n",  "o",   // U+0198
    "o",  "o",  "oi", "oi", "p",  "p",  "r",  "",    // U+01A0
    "",   "sh", "",   "t",  "t",  "t",  "t",  "u",   // U+01A8
    "u",  "u",  "v",  "y",  "y",  "z",  "z",  "z",   // U+01B0
    "z",  "z",  "z",  "",   "",   "",   "",   "w",   // U+01B8
    "",   "",   "",   "",   "dz", "dz", "dz", "lj",  // U+01C0
    "lj", "lj", "nj", "nj", "nj", "a",  "a",  "i",   // U+01C8
    "i",  "o",  "o",  "u",  "u",  "u",  "u",  "u",   // U+01D0
    "u",  "u",  "u",  "u",  "u",  "e",  "a",  "a",   // U+01D8
    "a",  "a",  "ae", "ae", "g",  "g",  "g",  "g",   // U+01E0
    "k",  "k",  "o",  "o",  "o",  "o",  "z",  "z",   // U+01E8
    "j",  "dz", "dz", "dz", "g",  "g",  "hv", "w",   // U+01F0
    "n",  "n",  "a",  "a",  "ae", "ae", "o",  "o",   // U+01F8
    "a",  "a",  "a",  "a",  "e",  "e",  "e",  "e",   // U+0200
    "i",  "i",  "i",  "i",  "o",  "o",  "o",  "o",   // U+0208
    "r",  "r",  "r",  "r",  "u",  "u",  "u",  "u",   // U+0210
    "s",  "s",  "t",  "t",  "gh", "gh", "h",  "h",   // U+0218
    "n",  "d",  "ou", "ou", "z",  "z",  "a",  "a",   // U+0220
    "e",  "e",  "o",  "o",  "o",  "o",  "o",  "o",   // U+0228
    "o",  "o",  "y",  "y",  "l",  "n",  "t",  "j",   // U+0230
    "db", "qp", "a",  "c",  "c",  "l",  "t",  "s",   // U+0238
    "z",  "",   "",   "b",  "u",  "v",  "e",  "e",   // U+0240
    "j",  "j",  "",   "q",  "r",  "r",  "y",  "y",   // U+0248
}};

// Latin Extended Additional (Vietnamese and transliteration letters): U+1E00..U+1EFF, eight code
// points a line.
constexpr std::array<std::string_view, 256> kLatinAdditional = {{
    "a", "a", "b", "b", "b", "b", "b",  "b",  // U+1E00
    "c", "c", "d", "d", "d", "d", "d",  "d",  // U+1E08
    "d", "d", "d", "d", "e", "e", "e",  "e",  // U+1E10
    "e", "e", "e", "e", "e", "e", "f",  "f",  // U+1E18
    "g", "g", "h", "h", "h", "h", "h",  "h",  // U+1E20
    "h", "h", "h", "h", "i", "i", "i",  "i",  // U+1E28
    "k", "k", "k", "k", "k", "k", "l",  "l",  // U+1E30
    "l", "l", "l", "l", "l", "l", "m",  "m",  // U+1E38
    "m", "m", "m", "m", "n", "n", "n",  "n",  // U+1E40
    "n", "n", "n", "n", "o", "o", "o",  "o",  // U+1E48
    "o", "o", "o", "o", "p", "p", "p",  "p",  // U+1E50
    "r", "r", "r", "r", "r", "r", "r",  "r",  // U+1E58
    "s", "s", "s", "s", "s", "s", "s",  "s",  // U+1E60
    "s", "s", "t", "t", "t", "t", "t",  "t",  // U+1E68
    "t", "t", "u", "u", "u", "u", "u",  "u",  // U+1E70
    "u", "u", "u", "u", "v", "v", "v",  "v",  // U+1E78
    "w", "w", "w", "w", "w", "w", "w",  "w",  // U+1E80
    "w", "w", "x", "x", "x", "x", "y",  "y",  // U+1E88
    "z", "z", "z", "z", "z", "z", "h",  "t",  // U+1E90
    "w", "y", "a", "s", "s", "s", "ss", "d",  // U+1E98
    "a", "a", "a", "a", "a", "a", "a",  "a",  // U+1EA0
    "a", "a", "a", "a", "a", "a", "a",  "a",  // U+1EA8
    "a", "a", "a", "a", "a", "a", "a",  "a",  // U+1EB0
    "e", "e", "e", "e", "e", "e", "e",  "e",  // U+1EB8
    "e", "e", "e", "e", "e", "e", "e",  "e",  // U+1EC0
    "i", "i", "i", "i", "o", "o", "o",  "o",  // U+1EC8
    "o", "o", "o", "o", "o", "o", "o",  "o",  // U+1ED0
    "o", "o", "o", "o", "o", "o", "o",  "o",  // U+1ED8
    "o", "o", "o", "o", "u", "u", "u",  "u",  // U+1EE0
    "u", "u", "u", "u", "u", "u", "u",  "u",  // U+1EE8
    "u", "u", "y", "y", "y", "y", "y",  "y",  // U+1EF0
    "y", "y", "",  "",  "",  "",  "y",  "y",  // U+1EF8
}};

// Decodes one UTF-8 sequence at text[i]; advances i. Returns -1 for a malformed sequence.
std::int32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  std::size_t length = lead < 0x80           ? 1
                       : (lead >> 5) == 0x6  ? 2
                       : (lead >> 4) == 0xE  ? 3
                       : (lead >> 3) == 0x1E ? 4
                                             : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return -1;
  }
  std::int32_t code = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return -1;
    }
    code = (code << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  return code;
}

bool IsAsciiLetterOrDigit(std::int32_t c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

bool IsApostrophe(std::int32_t c) {
  return c == '\'' || c == '`' || c == 0x2018 || c == 0x2019 || c == 0x02BC || c == 0x02BB;
}

// Combining diacritical marks, as found in decomposed (NFD) input: dropped.
bool IsCombiningMark(std::int32_t c) {
  return c >= 0x0300 && c <= 0x036F;
}

// Looks up a Latin letter's folded letters; false for code points outside the tables.
bool LatinFold(std::int32_t c, std::string_view& out) {
  if (c >= 0xC0 && c <= 0x24F) {
    out = kLatin[static_cast<std::size_t>(c - 0xC0)];
    return true;
  }
  if (c >= 0x1E00 && c <= 0x1EFF) {
    out = kLatinAdditional[static_cast<std::size_t>(c - 0x1E00)];
    return true;
  }
  if (c == 0x0259) {  // ə, small schwa (its capital Ə is in the table)
    out = "e";
    return true;
  }
  return false;
}

}  // namespace

std::string FoldKey(std::string_view utf8) {
  std::string key;
  key.reserve(utf8.size());
  bool pendingSpace = false;
  const auto append = [&](std::string_view letters) {
    if (pendingSpace && !key.empty()) key.push_back(' ');
    pendingSpace = false;
    key.append(letters);
  };
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t start = i;
    const std::int32_t c = NextCodePoint(utf8, i);
    std::string_view latin;
    if (IsAsciiLetterOrDigit(c)) {
      const char lower = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
      append(std::string_view(&lower, 1));
    } else if (IsApostrophe(c) || IsCombiningMark(c)) {
      continue;
    } else if (c >= 0 && LatinFold(c, latin)) {
      if (latin.empty()) {
        pendingSpace = true;
      } else {
        append(latin);
      }
    } else if (c >= 0x80 && c != 0xA0 && !(c >= 0x2000 && c <= 0x206F)) {
      append(utf8.substr(start, i - start));  // another script: kept as written
    } else {
      pendingSpace = true;  // ASCII punctuation, spaces, dashes, malformed bytes
    }
  }
  return key;
}

std::string SearchKey(std::string_view utf8) {
  std::string key = FoldKey(utf8);
  std::size_t out = 0;
  for (std::size_t i = 0; i < key.size(); ++i) {
    key[out++] = key[i];
    const char c = key[i];
    if ((c == 'u' || c == 'o' || c == 'a') && i + 1 < key.size() && key[i + 1] == 'e') ++i;
  }
  key.resize(out);
  return key;
}

}  // namespace places

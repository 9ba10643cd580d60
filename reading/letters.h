#pragma once
// Which characters are letters, and their capitals, for the name box: the letters of every
// script with their combining marks, from the Unicode character database (letter_tables.inc).

namespace reading {

// Whether the code point is a letter (general categories Lu Ll Lt Lm Lo) or a mark (Mn Mc Me),
// such as the vowel signs of Devanagari and Tamil.
bool IsLetterOrMark(char32_t c);

// The simple upper case of a Latin, Greek or Cyrillic letter (é gives É, ω gives Ω); any other
// code point as it is. Letters without a one-to-one capital (ß) stay as they are.
char32_t UpperCase(char32_t c);

}  // namespace reading

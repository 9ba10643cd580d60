#pragma once

#include <string>
#include <string_view>

namespace places {

// The search key of a place name: lower-case ASCII letters and digits, words separated by one
// space. Latin letters lose their accents and ligatures split ("São Paulo" -> "sao paulo",
// "Straße" -> "strasse", "Łódź" -> "lodz"); apostrophes vanish ("Sana'a" -> "sanaa"); every
// other punctuation mark or space separates words. Letters of other scripts pass unchanged,
// so a Cyrillic name still matches itself. Malformed UTF-8 bytes separate words.
std::string FoldKey(std::string_view utf8);

}  // namespace places

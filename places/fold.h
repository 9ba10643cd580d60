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

// FoldKey, with "ue", "oe" and "ae" read as the umlauts they spell out in German, so that
// "Muenchen" and "München" meet at "munchen". Applied alike to names and queries, it keeps
// every prefix match of FoldKey (a query that starts a name still starts it).
std::string SearchKey(std::string_view utf8);

}  // namespace places

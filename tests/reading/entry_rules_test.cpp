// The form's keystroke rules as one table of whole entries typed into the boxes: what the
// form then holds, or the message that refuses the entry.
#include "reading/entry_rules.h"

#include <gtest/gtest.h>

namespace {

using core::FormEntries;

struct Case {
  const char* name;
  std::string FormEntries::*box;
  std::string text;
  std::string held;     // what the box then holds, when taken
  std::string problem;  // the refusal, when not
};

TEST(EntryRules, TextsTypedIntoTheBoxes) {
  const std::string tooLong(33000, 'A');
  const Case cases[] = {
      {"name in capitals", &FormEntries::txtName, "asha rani", "ASHA RANI", ""},
      {"digit in the name", &FormEntries::txtName, "asha 2", "",
       "The Name box cannot take \"asha 2\": Please Enter only Letters."},
      {"accented letters in capitals", &FormEntries::txtName, "José Zoë", "JOSÉ ZOË", ""},
      {"Devanagari with its vowel signs and virama", &FormEntries::txtName, "राम प्रसाद",
       "राम प्रसाद", ""},
      {"Tamil with its vowel signs and pulli", &FormEntries::txtName, "முருகன்", "முருகன்", ""},
      {"Greek and Cyrillic in capitals", &FormEntries::txtName, "ωμέγα ёлка", "ΩΜΈΓΑ ЁЛКА", ""},
      {"combining acute after a plain letter", &FormEntries::txtName, "e\u0301a", "E\u0301A", ""},
      {"sharp s has no one-letter capital", &FormEntries::txtName, "strauß", "STRAUß", ""},
      {"hyphen in the name", &FormEntries::txtName, "Ram-Lal", "",
       "The Name box cannot take \"Ram-Lal\": Please Enter only Letters."},
      {"full stop in the name", &FormEntries::txtName, "R. Lal", "",
       "The Name box cannot take \"R. Lal\": Please Enter only Letters."},
      {"Devanagari digit in the name", &FormEntries::txtName, "राम २", "",
       "The Name box cannot take \"राम २\": Please Enter only Letters."},
      {"danda in the name", &FormEntries::txtName, "राम।", "",
       "The Name box cannot take \"राम।\": Please Enter only Letters."},
      {"cut-off UTF-8 in the name", &FormEntries::txtName, "Jos\xC3", "",
       "The Name box cannot take \"Jos\\xC3\": Please Enter only Letters."},
      {"overlong UTF-8 for A in the name", &FormEntries::txtName, "\xC1\x81", "",
       "The Name box cannot take \"\\xC1\\x81\": Please Enter only Letters."},
      {"UTF-8 surrogate in the name", &FormEntries::txtName, "\xED\xA0\x80", "",
       "The Name box cannot take \"\\xED\\xA0\\x80\": Please Enter only Letters."},
      {"tab in the name", &FormEntries::txtName, "A\tB", "",
       "The Name box cannot take \"A\\tB\": not every character can be typed there."},
      {"name longer than a box holds", &FormEntries::txtName, tooLong, "",
       "The Name box cannot take \"" + tooLong.substr(0, 80) +
           "… (33000 letters)\": it holds at most 32767 characters."},
      {"any printable text in the city", &FormEntries::txtMCity, "Zürich 8001", "Zürich 8001", ""},
      {"line break in the city", &FormEntries::txtMCity, "Delhi\n", "",
       "The City box cannot take \"Delhi\\n\": not every character can be typed there."},
      {"digits in a coordinate", &FormEntries::txtLonD, "77", "77", ""},
      {"decimal point in a coordinate", &FormEntries::txtLonM, "12.5", "",
       "The Longitude minutes box cannot take \"12.5\": Only Numbers Are Accepted."},
      {"sign in a coordinate", &FormEntries::txtLatD, "-5", "",
       "The Latitude degrees box cannot take \"-5\": Only Numbers Are Accepted."},
      {"three digits of latitude", &FormEntries::txtLatD, "100", "",
       "The Latitude degrees box cannot take \"100\": it holds at most 2 characters."},
      {"three digits of longitude", &FormEntries::txtLonD, "179", "179", ""},
  };
  for (const Case& c : cases) {
    FormEntries e;
    e.*c.box = c.text;
    const reading::TypedEntries typed = reading::AsTyped(e);
    EXPECT_EQ(typed.problem, c.problem) << c.name;
    if (c.problem.empty()) {
      EXPECT_EQ(typed.entries.*c.box, c.held) << c.name;
    }
  }
}

}  // namespace

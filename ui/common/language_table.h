#pragma once
// The program's languages, one row each: all that sets one language apart from another outside
// its translation file. The Language menu lists them in this order, --language and the settings
// file take their codes, the build compiles their translation files into the program and the
// Debian package depends on their font packages. ui/CMakeLists.txt reads each row's translation
// and fontPackage from this file's text (a designator and its string on one line); a test
// checks it read every row. docs/translating.md says what else a new language needs.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace ui {

// The ways a chart is drawn: the design's Pataki Chakra and the regional styles of the birth
// chart and its divisional charts.
enum class ChartStyleId : std::uint8_t { Pataki, NorthIndian, SouthIndian, EastIndian };

struct LanguageRow {
  // ISO 639: the settings file's value, --language's, and a desktop locale's language part.
  std::string_view code = {};
  // Its English name: the command line's help says it, and the Language menu's item is named
  // "mnu" and it.
  std::string_view englishName = {};
  // Its name in its own script (UTF-8), as the Language menu shows it in every language.
  std::string_view autonym = {};
  // translations/<translation>, compiled into the program as :/i18n/<its name>.qm; none for the
  // English of the sources.
  std::string_view translation = {};
  // The typeface a desktop in the language draws its script in (none: the Latin typeface), and
  // the Debian package that installs it.
  std::string_view fontFamily = {};
  std::string_view fontPackage = {};
  // The birth chart's style when none is chosen: the one the language's astrologers read.
  ChartStyleId chartStyle = ChartStyleId::NorthIndian;
  // Desktop locales written in the language (glibc's names). Any locale whose language part is
  // the code selects the language; these are the ones its readers have.
  std::array<std::string_view, 4> locales = {};
};

inline constexpr LanguageRow kLanguageTable[] = {
    {.code = "en",
     .englishName = "English",
     .autonym = "English",
     .chartStyle = ChartStyleId::NorthIndian,
     .locales = {"en_IN", "en_GB", "en_US"}},
    {.code = "hi",
     .englishName = "Hindi",
     .autonym = "हिन्दी",
     .translation = "orvel-pataki-chakra_hi.ts",
     .fontFamily = "Lohit Devanagari",
     .fontPackage = "fonts-lohit-deva",
     .chartStyle = ChartStyleId::NorthIndian,
     .locales = {"hi_IN"}},
    {.code = "ta",
     .englishName = "Tamil",
     .autonym = "தமிழ்",
     .translation = "orvel-pataki-chakra_ta.ts",
     .fontFamily = "Lohit Tamil",
     .fontPackage = "fonts-lohit-taml",
     .chartStyle = ChartStyleId::SouthIndian,
     .locales = {"ta_IN", "ta_LK"}},
};

// The row of `code`; a code no row has stops the build where a constant is asked for.
constexpr std::size_t LanguageIndex(std::string_view code) {
  for (std::size_t i = 0; i < std::size(kLanguageTable); ++i)
    if (kLanguageTable[i].code == code) return i;
  throw "no row of the language table has this code";
}

// A language is its row's index. The names are for code that treats a language apart (English,
// the sources' language) and for tests; a row needs no name to be a language of the program.
enum class Language : std::uint8_t {
  English = LanguageIndex("en"),
  Hindi = LanguageIndex("hi"),
  Tamil = LanguageIndex("ta"),
};

// Every language, in the table's order.
inline constexpr auto kLanguages = [] {
  std::array<Language, std::size(kLanguageTable)> all{};
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = Language(i);
  return all;
}();

constexpr const LanguageRow& RowOf(Language language) {
  return kLanguageTable[std::size_t(language)];
}

namespace language_table_checks {

constexpr bool CodesDiffer() {
  for (std::size_t i = 0; i < std::size(kLanguageTable); ++i)
    for (std::size_t j = 0; j < i; ++j)
      if (kLanguageTable[i].code == kLanguageTable[j].code) return false;
  return true;
}

// A row names itself, and a typeface comes with the package that installs it; only the
// sources' English goes without a translation.
constexpr bool RowsWhole() {
  for (const LanguageRow& row : kLanguageTable)
    if (row.code.size() < 2 || row.englishName.empty() || row.autonym.empty() ||
        row.fontFamily.empty() != row.fontPackage.empty() || row.locales[0].empty() ||
        row.translation.empty() != (&row == &RowOf(Language::English)))
      return false;
  return true;
}

}  // namespace language_table_checks

static_assert(language_table_checks::CodesDiffer(), "two rows of the language table share a code");
static_assert(language_table_checks::RowsWhole(), "a row of the language table lacks a field");

}  // namespace ui

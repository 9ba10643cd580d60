// What a message puts before the person from a file's or a person's text, or from the clocks:
// control characters escaped, a NUL neither ending the message nor the file, a long text cut
// with its length, and a day the clocks skipped whole said as such.
#include <gtest/gtest.h>

#include "core/birth_details.h"
#include "core/quoted_text.h"
#include "places/birth_clock.h"
#include "places/clock_status.h"

TEST(Messages, QuoteAndSay) {
  std::string letters;  // 200,000 Devanagari letters, three bytes each
  for (int i = 0; i < 200000; ++i) letters += "अ";
  const auto apia =
      std::chrono::local_days(std::chrono::year(2011) / 12 / 30) + std::chrono::hours(12);
  const struct {
    const char* name;
    std::string message, expected;
  } rows[] = {
      {"a name", core::QuoteForMessage("राम प्रसाद José"), "राम प्रसाद José"},
      {"ESC, CR, BEL, TAB, LF, DEL", core::QuoteForMessage("A\x1b[2JB\rC\aD\tE\nF\x7F"),
       "A\\e[2JB\\rC\\aD\\tE\\nF\\x7F"},
      {"a NUL inside", core::QuoteForMessage(std::string("asha\0 rani", 10)), "asha\\0 rani"},
      {"C1 and bidirectional controls", core::QuoteForMessage("a\u0085b\u202Ec\u2028d"),
       "a\\u0085b\\u202Ec\\u2028d"},
      {"broken UTF-8, a backslash", core::QuoteForMessage("a\xFF\xC3(b\\e"), "a\\xFF\\xC3(b\\\\e"},
      {"80 letters, whole", core::QuoteForMessage(letters.substr(0, 240)), letters.substr(0, 240)},
      {"200,000 letters, cut", core::QuoteForMessage(letters),
       letters.substr(0, 240) + "… (200000 letters)"},
      {"a NUL in a file", core::ParseBirthDetails(std::string("{\"format\": 1}\0{}", 16)).error,
       "The file holds a NUL byte (at byte 13); a birth-details file is text."},
      // Apia's clocks went from UTC-10 at the end of 29 December 2011 to UTC+14.
      {"a day skipped whole",
       places::ClockStatus({"Apia", apia, "Pacific/Apia", "2026f", -171.77, -13.83},
                           places::BirthClocks().At("Pacific/Apia", apia, -171.77)),
       "Apia, 30 December 2011 12:00: this day did not exist there: the clocks went from the end "
       "of 29 December 2011 straight to 31 December 2011; most likely it means 31 December 2011 "
       "12:00 (UTC+14:00); tz database 2026f, Pacific/Apia"}};
  for (const auto& row : rows) EXPECT_EQ(row.message, row.expected) << row.name;
}

// What a message puts before the person, from a file's or a person's text or from the clocks:
// control characters escaped, a NUL neither ending the message nor the file, a long text cut
// with its length, and a day the clocks skipped whole said as such.
#include <gtest/gtest.h>

#include <string>

#include "core/birth_details.h"
#include "core/quoted_text.h"
#include "places/birth_clock.h"
#include "places/clock_status.h"

namespace {

namespace chr = std::chrono;

std::string Repeated(std::string_view letter, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += letter;
  return text;
}

// Apia, 30 December 2011: the clocks went from UTC-10 at the end of the 29th to UTC+14.
std::string ApiaStatus() {
  const auto local = chr::local_days(chr::year(2011) / 12 / 30) + chr::hours(12);
  const places::BirthClock clock = places::BirthClocks().At("Pacific/Apia", local, -171.77);
  return places::ClockStatus({"Apia", local, "Pacific/Apia", "2026f", -171.77, -13.83}, clock);
}

struct MessageCase {
  const char* name;
  std::string message;
  std::string expected;
};

class MessagesTest : public testing::TestWithParam<MessageCase> {};

TEST_P(MessagesTest, ShowsWhatItShould) {
  EXPECT_EQ(GetParam().message, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MessagesTest,
    testing::Values(
        MessageCase{"AName", core::QuoteForMessage("राम प्रसाद José"), "राम प्रसाद José"},
        MessageCase{"EscCrBel", core::QuoteForMessage("A\x1b[2JB\rC\aD\tE\nF\x7F"),
                    "A\\e[2JB\\rC\\aD\\tE\\nF\\x7F"},
        MessageCase{"NulInside", core::QuoteForMessage(std::string("asha\0 rani", 10)),
                    "asha\\0 rani"},
        MessageCase{"C1AndBidiControls", core::QuoteForMessage("a\u0085b\u202Ec\u2028d"),
                    "a\\u0085b\\u202Ec\\u2028d"},
        MessageCase{"BrokenUtf8AndBackslash", core::QuoteForMessage("a\xFF\xC3(b\\e"),
                    "a\\xFF\\xC3(b\\\\e"},
        MessageCase{"JustShort", core::QuoteForMessage(Repeated("अ", 80)), Repeated("अ", 80)},
        MessageCase{"LongCutWithItsLength", core::QuoteForMessage(Repeated("अ", 200000)),
                    Repeated("अ", 80) + "… (200000 letters)"},
        MessageCase{"NulInAFile",
                    core::ParseBirthDetails(std::string("{\"format\": 1}\0{}", 16)).error,
                    "The file holds a NUL byte (at byte 13); a birth-details file is text."},
        MessageCase{"ADaySkippedWhole", ApiaStatus(),
                    "Apia, 30 December 2011 12:00: this day did not exist there: the clocks "
                    "went from the end of 29 December 2011 straight to 31 December 2011; most "
                    "likely it means 31 December 2011 12:00 (UTC+14:00); tz database 2026f, "
                    "Pacific/Apia"}),
    [](const testing::TestParamInfo<MessageCase>& info) { return info.param.name; });

}  // namespace

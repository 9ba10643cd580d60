// Numbers typed or pasted into the form's boxes.
#include "core/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

namespace {

struct NumberCase {
  const char* name;
  std::string text;
  std::optional<double> value;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
  *os << c.name;
}

class ParseNumberTest : public testing::TestWithParam<NumberCase> {};

TEST_P(ParseNumberTest, AcceptsOnlyWholeNumbers) {
  const auto& c = GetParam();
  const auto got = core::ParseNumber(c.text);
  ASSERT_EQ(got.has_value(), c.value.has_value()) << "text \"" << c.text << "\"";
  if (c.value) {
    EXPECT_DOUBLE_EQ(*got, *c.value) << "text \"" << c.text << "\"";
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseNumberTest,
    testing::Values(
        NumberCase{"Plain", "179", 179.0}, NumberCase{"Blanks", "  12  ", 12.0},
        NumberCase{"Sign", "-5", -5.0}, NumberCase{"PlusSign", "+7", 7.0},
        NumberCase{"Fraction", "12.5", 12.5}, NumberCase{"LeadingPoint", ".5", 0.5},
        NumberCase{"TrailingPoint", "3.", 3.0}, NumberCase{"Exponent", "1e2", 100.0},
        NumberCase{"SignedExponent", "25E-1", 2.5},
        NumberCase{"Huge", std::string(400, '9'), HUGE_VAL}, NumberCase{"Tiny", "1e-999", 0.0},
        NumberCase{"TinyWithoutExponent", "0." + std::string(400, '0') + "1", 0.0},
        NumberCase{"HugeDespiteNegativeExponent", "1" + std::string(400, '0') + "e-5", HUGE_VAL},
        NumberCase{"Empty", "", std::nullopt}, NumberCase{"OnlyBlanks", "   ", std::nullopt},
        NumberCase{"TrailingLetters", "12abc", std::nullopt},
        NumberCase{"TrailingX", "5x", std::nullopt}, NumberCase{"OnlyPoint", ".", std::nullopt},
        NumberCase{"OnlySign", "-", std::nullopt}, NumberCase{"BareExponent", "1e", std::nullopt},
        NumberCase{"InnerBlank", "1 2", std::nullopt}, NumberCase{"Tab", "\t5", std::nullopt},
        NumberCase{"Hex", "0x1A", std::nullopt}, NumberCase{"Infinity", "inf", std::nullopt},
        NumberCase{"NotANumber", "nan", std::nullopt},
        NumberCase{"FullWidthDigit", "\xEF\xBC\x95", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WholeNumber, RoundsHalvesToEven) {
  EXPECT_EQ(core::WholeNumber("2.5"), 2);
  EXPECT_EQ(core::WholeNumber("3.5"), 4);
  EXPECT_EQ(core::WholeNumber("-0.5"), 0);
  EXPECT_EQ(core::WholeNumber("59.49"), 59);
  EXPECT_EQ(core::WholeNumber(" 7 "), 7);
}

TEST(WholeNumber, RefusesWhatDoesNotFit) {
  EXPECT_EQ(core::WholeNumber("1e10"), std::nullopt);
  EXPECT_EQ(core::WholeNumber(std::string(400, '9')), std::nullopt);
  EXPECT_EQ(core::WholeNumber("12abc"), std::nullopt);
}

}  // namespace

#include "core/numbers.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>

namespace core {

namespace {
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// Length of the run of digits starting at i.
std::size_t Digits(std::string_view s, std::size_t i) {
  std::size_t n = 0;
  while (i + n < s.size() && IsDigit(s[i + n])) ++n;
  return n;
}
}  // namespace

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::optional<double> ParseNumber(std::string_view text) {
  // Most texts are a few plain digits: exact as a whole number, without the general parse.
  const std::string_view s =
      !text.empty() && IsDigit(text.front()) && IsDigit(text.back()) ? text : Trimmed(text);
  if (!s.empty() && s.size() <= 9 && Digits(s, 0) == s.size()) {
    int value = 0;
    for (const char c : s) value = value * 10 + (c - '0');
    return value;
  }
  std::size_t i = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
  const std::size_t whole = Digits(s, i);
  i += whole;
  std::size_t fraction = 0;
  if (i < s.size() && s[i] == '.') fraction = Digits(s, ++i), i += fraction;
  if (whole + fraction == 0) return std::nullopt;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const std::size_t exponent = Digits(s, i);
    if (exponent == 0) return std::nullopt;
    i += exponent;
  }
  if (i != s.size()) return std::nullopt;
  // from_chars takes no leading '+'.
  const std::string_view digits = s.front() == '+' ? s.substr(1) : s;
  double value = 0.0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error == std::errc::result_out_of_range) {
    // Too small to hold only with a negative exponent; too large otherwise.
    const bool tiny =
        digits.find("e-") != std::string_view::npos || digits.find("E-") != std::string_view::npos;
    return tiny ? 0.0 : (s.front() == '-' ? -HUGE_VAL : HUGE_VAL);
  }
  if (error != std::errc{} || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

std::optional<int> WholeNumber(std::string_view text) {
  const auto value = ParseNumber(text);
  if (!value || !std::isfinite(*value)) return std::nullopt;
  const double rounded = std::nearbyint(*value);  // default rounding: halves to even
  if (rounded < INT_MIN || rounded > INT_MAX) return std::nullopt;
  return static_cast<int>(rounded);
}

}  // namespace core

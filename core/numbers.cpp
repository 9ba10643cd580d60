#include "core/numbers.h"

#include <algorithm>
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
// Whether a number that does not fit a double is below its range rather than above: its
// first significant digit stands right of the decimal point once the exponent is applied
// ("0.<400 zeros>1" as much as "1e-400").
bool IsTiny(std::string_view number) {
  const std::size_t e = number.find_first_of("eE");
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  if (first == std::string_view::npos) return true;  // zero
  // Position of the first significant digit: 0 for the units, negative right of the point.
  long long position = first < point ? static_cast<long long>(point - first) - 1
                                     : -static_cast<long long>(first - point);
  if (e != std::string_view::npos) {
    std::string_view exponent = number.substr(e + 1);
    const bool negative = !exponent.empty() && exponent.front() == '-';
    if (!exponent.empty() && (exponent.front() == '-' || exponent.front() == '+'))
      exponent.remove_prefix(1);
    long long value = 0;
    for (const char c : exponent) value = std::min(value * 10 + (c - '0'), 1'000'000'000LL);
    position += negative ? -value : value;
  }
  return position < 0;
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
  if (error == std::errc::result_out_of_range)
    return IsTiny(digits) ? 0.0 : (s.front() == '-' ? -HUGE_VAL : HUGE_VAL);
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

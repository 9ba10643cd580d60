#pragma once
// Numbers typed into the form's boxes.

#include <optional>
#include <string_view>

namespace core {

// The text with leading and trailing blanks removed.
std::string_view Trimmed(std::string_view text);

// A number as the form accepts it: after trimming blanks, an optional sign, digits with an
// optional decimal point and fraction (at least one digit in all), and optionally an
// exponent (e or E, optional sign, digits). Empty for anything else.
std::optional<double> ParseNumber(std::string_view text);

// The whole number a form text stands for, rounded to the nearest integer, halves to even;
// empty when the text is not a number or its value does not fit an int.
std::optional<int> WholeNumber(std::string_view text);

}  // namespace core

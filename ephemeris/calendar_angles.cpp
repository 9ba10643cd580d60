#include "ephemeris/calendar_angles.h"

#include <cmath>
#include <string>

namespace ephemeris {

namespace {

// Floor of a real quotient, as the day-count formulas are written.
double FloorDiv(double numerator, double denominator) {
  return std::floor(numerator / denominator);
}

std::string_view TrimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(' ');
  return text.substr(first, last - first + 1);
}

std::string TwoDigits(std::string_view digits) {
  std::string text;
  if (digits.size() <= 1) text.push_back('0');
  text.append(digits);
  return text;
}

constexpr std::string_view kDegreeMark = "°";  // two bytes in UTF-8

}  // namespace

std::string_view SignAbbreviation(int k) {
  return k >= 0 && k < 12 ? kSignAbbreviations.substr(3 * k, 3) : std::string_view{};
}

int SignIndex(std::string_view a) {
  for (int k = 0; k < 12; ++k)
    if (SignAbbreviation(k) == a) return k;
  return -1;
}

std::string_view SignOfPositionText(std::string_view t) {
  return t.size() >= 6 ? t.substr(3, 3) : std::string_view{};
}

// Day number from months counted from March of the year -4800: Julian calendar leap days,
// then the Gregorian century correction for day numbers past 2299171. Exact integer result.
double JulianDayNumber(int month, int day, int year) {
  const double m = month + 12.0 * (year + 4800) - 3;
  const double monthOfYear = m - 12 * FloorDiv(m, 12);
  double j = FloorDiv(365 * m + 2 * monthOfYear + 7, 12) + day + FloorDiv(m, 48) - 32083;
  if (j > 2299171) j += FloorDiv(m, 4800) - FloorDiv(m, 1200) + 38;
  return j;
}

// Short day count without the century correction: exact from 1 March 1900 to 28 February 2100.
double DaysSinceJ2000(int year, int month, int day, int hour, int minute) {
  const double y = year, m = month;
  return 367 * y - FloorDiv(7 * (y + FloorDiv(m + 9, 12)), 4) + FloorDiv(275 * m, 9) + day -
         730531.5 + (hour + minute / 60.0) / 24;
}

double QuadrantArctan(double y, double x) {
  const double signY = y > 0 ? 1.0 : (y < 0 ? -1.0 : 0.0);
  if (x > 0) return std::atan(y / x);
  if (x == 0) return signY * Pi / 2;
  return signY * (Pi - std::atan(std::fabs(y / x)));
}

double ReduceRadians(double x) {
  const double q = x / TwoPi;
  double r = (q - std::trunc(q)) * TwoPi;
  if (r < 0) r += TwoPi;
  if (r >= TwoPi) r = 0;  // a tiny negative remainder can round up to a full turn
  return r;
}

// Degrees, minutes and seconds are truncated, never rounded; 360 and above have no sign.
std::string LongitudeText(double longitude) {
  const double a = std::fabs(longitude);
  const double whole = std::floor(a);
  const double minutes = std::floor(60 * (a - whole));
  const double seconds = std::floor(60 * (60 * (a - whole) - minutes));
  const auto sign = static_cast<long long>(std::floor(whole / 30));
  double degrees = whole;
  while (degrees >= 30) degrees -= 30;
  const std::string_view abbreviation =
      sign < 12 ? SignAbbreviation(static_cast<int>(sign)) : std::string_view{};
  return std::to_string(static_cast<long long>(degrees)) + "° " +
         std::to_string(static_cast<long long>(minutes)) + "' " +
         std::to_string(static_cast<long long>(seconds)) + "\" " + std::string(abbreviation);
}

// "15° 30' 0\" Tau" becomes "15 Tau 30"; the seconds are dropped.
std::string PositionText(std::string_view longitudeText) {
  const std::string_view u = TrimBlanks(longitudeText);
  const auto degreeAt = u.find(kDegreeMark);
  const auto minuteAt = u.find('\'');
  const std::string_view degrees =
      degreeAt == std::string_view::npos ? std::string_view{} : TrimBlanks(u.substr(0, degreeAt));
  std::string_view minutes;
  if (degreeAt != std::string_view::npos && minuteAt != std::string_view::npos &&
      minuteAt >= degreeAt + kDegreeMark.size()) {
    const auto from = degreeAt + kDegreeMark.size();
    minutes = TrimBlanks(u.substr(from, minuteAt - from));
  }
  const std::string_view sign = TrimBlanks(
      longitudeText.size() > 3 ? longitudeText.substr(longitudeText.size() - 3) : longitudeText);
  return TwoDigits(degrees) + " " + std::string(sign) + " " + TwoDigits(minutes);
}

}  // namespace ephemeris

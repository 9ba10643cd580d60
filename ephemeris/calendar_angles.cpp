#include "ephemeris/calendar_angles.h"

#include <charconv>
#include <cmath>
#include <string>

#include "core/longitude.h"
#include "ephemeris/angles.h"

namespace ephemeris {

namespace {

// Floor of a real quotient, as the day-count formulas are written.
double FloorDiv(double numerator, double denominator) {
  return std::floor(numerator / denominator);
}

// A whole number as std::to_string writes it.
void AppendNumber(std::string& text, long long value) {
  char digits[24];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// At least two digits, as "%02lld" writes them.
void AppendTwoDigits(std::string& text, long long value) {
  if (value < 0 || value > 99) {
    AppendNumber(text, value);
    return;
  }
  text.push_back(static_cast<char>('0' + value / 10));
  text.push_back(static_cast<char>('0' + value % 10));
}

// A longitude's magnitude as its texts show it: degrees within the sign, minutes and
// seconds, all truncated, never rounded; the sign as SignOfLongitude gives it.
core::LongitudeFigures FiguresOf(double longitude) {
  return core::Longitude{longitude}.Figures();
}

}  // namespace

std::string_view SignAbbreviation(int k) {
  return k >= 0 && k < 12 ? kSignAbbreviations.substr(3 * k, 3) : std::string_view{};
}

int SignIndex(std::string_view a) {
  for (int k = 0; k < 12; ++k)
    if (SignAbbreviation(k) == a) return k;
  return -1;
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
double DaysSinceJ2000(int year, int month, int day, int hour, int minute, int second) {
  const double y = year, m = month;
  // Adding 0 seconds leaves the sum's bits as they were without them.
  return 367 * y - FloorDiv(7 * (y + FloorDiv(m + 9, 12)), 4) + FloorDiv(275 * m, 9) + day -
         730531.5 + (hour + minute / 60.0 + second / 3600.0) / 24;
}

// From 360 on there is no sign: the text ends with the blank that would precede it.
std::string LongitudeText(double longitude) {
  const core::LongitudeFigures f = FiguresOf(longitude);
  std::string text;
  text.reserve(24);
  AppendNumber(text, f.degrees);
  text += "° ";
  AppendNumber(text, f.minutes);
  text += "' ";
  AppendNumber(text, f.seconds);
  text += "\" ";
  text += SignAbbreviation(f.sign);
  return text;
}

// Where the long text shows no sign, this text has always shown the last three characters
// of the long text instead, blanks trimmed: the last digit of the seconds and their mark.
std::string PositionText(double longitude) {
  const core::LongitudeFigures f = FiguresOf(longitude);
  std::string text;
  text.reserve(12);
  AppendTwoDigits(text, f.degrees);
  text.push_back(' ');
  if (f.sign >= 0) {
    text += SignAbbreviation(f.sign);
  } else {
    AppendNumber(text, f.seconds % 10);
    text.push_back('"');
  }
  text.push_back(' ');
  AppendTwoDigits(text, f.minutes);
  return text;
}

}  // namespace ephemeris

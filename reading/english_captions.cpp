#include "reading/english_captions.h"

#include <array>
#include <charconv>
#include <cstdint>

#include "core/form_entries.h"

namespace reading {

namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};

void Append(std::string& text, std::string_view part) {
  text += part;
}
void Append(std::string& text, long long number) {
  char digits[24];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}
// A caption built in one buffer from texts and whole numbers (written as std::to_string would).
template <typename... Parts>
std::string Concat(const Parts&... parts) {
  std::string text;
  (Append(text, parts), ...);
  return text;
}

void AppendTwoDigits(std::string& text, long value) {
  text.push_back(char('0' + value / 10));
  text.push_back(char('0' + value % 10));
}

// The record keeps the entered figures as 16-bit numbers, and the captions show them so.
long long Short(long long value) {
  return static_cast<std::int16_t>(value);
}

}  // namespace

std::string DateTimeText(core::LocalTime t) {
  const auto dayStart = floor<days>(t);
  const year_month_day date{dayStart};
  const hh_mm_ss time{t - dayStart};
  std::string text = Concat(static_cast<long long>(unsigned(date.day())), " ",
                            core::MonthName(int(unsigned(date.month()))), " ",
                            static_cast<long long>(int(date.year())), " ");
  AppendTwoDigits(text, time.hours().count());
  text.push_back(':');
  AppendTwoDigits(text, time.minutes().count());
  text.push_back(':');
  AppendTwoDigits(text, time.seconds().count());
  return text;
}

std::string RecordDateText(int month, int day, int year) {
  return Concat(core::MonthName(month), " ", static_cast<long long>(day), ",",
                static_cast<long long>(year));
}

std::string BirthDateCaption(year_month_day date) {
  return Concat(core::MonthName(int(unsigned(date.month()))), "/", Short(unsigned(date.day())), "/",
                Short(int(date.year())));
}

std::string CoordinateCaption(const core::GeoAngle& angle, bool latitude) {
  const char* side = latitude ? (angle.positive ? " N" : " S") : (angle.positive ? " E" : " W");
  return Concat(Short(angle.degrees), "° ", Short(angle.minutes), "'", side);
}

std::string HoursMinutesCaption(seconds length) {
  const auto s = static_cast<std::int32_t>(length.count());
  return Concat(s / 3600, ":", s % 3600 / 60);
}

std::string SunTimeCaption(const std::optional<core::LocalTime>& t, core::SunDay day) {
  if (!t) return {};
  std::string text = DateTimeText(*t);
  if (day == core::SunDay::NeverSets) text += " (the Sun did not set this day)";
  if (day == core::SunDay::NeverRises) text += " (the Sun did not rise this day)";
  return text;
}

void WriteEnglishCaptions(const core::ReadingFacts& f, core::ResultSheet& sheet) {
  if (f.birthDate) sheet.SetCaption(core::Slot("lblDOB"), BirthDateCaption(*f.birthDate));
  const hh_mm_ss clock{f.birthTime};
  sheet.SetCaption(core::Slot("lblTOB"),
                   Concat(Short(clock.hours().count()), ":", Short(clock.minutes().count())));
  sheet.SetCaption(core::Slot("lblLatitude"), CoordinateCaption(f.latitude, true));
  sheet.SetCaption(core::Slot("lblLongitude"), CoordinateCaption(f.longitude, false));
  if (f.weekday)
    sheet.SetCaption(core::Slot("lblVaar"), std::string(kWeekdayNames[f.weekday->c_encoding()]));
  if (f.period != core::BirthPeriodKind::Unknown) {
    sheet.SetCaption(core::Slot("lblSunRise"), SunTimeCaption(f.sunTimes[0], f.sunDays[0]));
    sheet.SetCaption(core::Slot("lblSunSet"), SunTimeCaption(f.sunTimes[1], f.sunDays[1]));
  }
  sheet.SetCaption(core::Slot("blPeriodDisplay"), HoursMinutesCaption(f.periodLength));
  sheet.SetCaption(core::Slot("lblYamradhaDisplay"), HoursMinutesCaption(f.yamardhaLength));
}

}  // namespace reading

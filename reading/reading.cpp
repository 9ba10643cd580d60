#include "reading/reading.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>

#include "chakra/pataki_chakra.h"
#include "chakra/vedha_reading.h"
#include "chakra/yamardha.h"
#include "core/zone_table.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/planets.h"
#include "reading/birth_instant.h"
#include "sky/retrogrades.h"
#include "sky/sunrise_sunset.h"

namespace reading {

using core::DateTime;
using core::kBodyCount;
using core::kLagna;
using core::MonthName;
using core::WholeNumber;

namespace {

using namespace std::chrono;
using chakra::BirthPeriod;
using sky::SunDay;

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 10> kBodyNames = {
    "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Asc"};

// Stores a form text's whole number into an int16 field; a text that is not a number, or a
// value that does not fit, leaves the field as it was.
void StoreWhole(std::string_view text, std::int16_t& field) {
  const auto value = WholeNumber(text);
  if (value && *value >= INT16_MIN && *value <= INT16_MAX)
    field = static_cast<std::int16_t>(*value);
}

std::optional<year_month_day> BirthDate(const BirthRecord& r) {
  const year_month_day date{year{r.BirthYear}, month{static_cast<unsigned>(r.BirthMonth)},
                            day{static_cast<unsigned>(r.BirthDay)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

void Append(std::string& text, std::string_view part) {
  text += part;
}
void Append(std::string& text, int number) {
  char digits[12];
  text.append(digits, std::to_chars(digits, digits + sizeof digits, number).ptr);
}
// A caption built in one buffer from texts and whole numbers (written as std::to_string would).
template <typename... Parts>
std::string Concat(const Parts&... parts) {
  std::string text;

  (Append(text, parts), ...);
  return text;
}

std::string HoursMinutes(std::int32_t seconds) {
  return Concat(seconds / 3600, ":", seconds % 3600 / 60);
}

void CopyEntries(const FormEntries& e, BirthRecord& r) {
  r.PersonName = e.txtName;
  core::Zone_Calculation(e.cmbTimeZone, r);
  if (e.cboMonth >= 0 && e.cboMonth < 12) r.BirthMonth = static_cast<std::int16_t>(e.cboMonth + 1);
  StoreWhole(e.cboDate, r.BirthDay);
  StoreWhole(e.cboYear, r.BirthYear);
  StoreWhole(e.cboHH, r.BirthHour);
  StoreWhole(e.cboMM, r.BirthMinute);
  r.ZoneHoursAbs = static_cast<std::int16_t>(std::abs(r.ZoneHours));
  r.ZoneMinutesAbs = static_cast<std::int16_t>(std::abs(r.ZoneMinutes));
  StoreWhole(e.txtLonD, r.LongitudeDeg);
  StoreWhole(e.txtLonM, r.LongitudeMin);
  StoreWhole(e.txtLatD, r.LatitudeDeg);
  StoreWhole(e.txtLatM, r.LatitudeMin);
  r.IsEast = e.optLongEast;
  r.IsSouth = !e.optLatNorth;
  r.IsDst = e.chkDST;
  for (int k = 0; k < kBodyCount; ++k) r.BodyNames[k].assign(kBodyNames[k]);
}

void ComputeChart(BirthRecord& r, ResultSheet& sheet) {
  const ephemeris::BirthInstant instant = BirthInstantOf(r);
  ephemeris::ComputeAscendant(r, instant);
  ephemeris::ComputeMoonAndRashi(r, instant);
  ephemeris::ComputePositionTable(r, instant);
  sky::MarkRetrogrades(r);
  chakra::FillPatakiChakra(r, sheet);
}

void WritePersonalDetails(const FormEntries& e, const BirthRecord& r, ResultSheet& sheet) {
  sheet.SetCaption(core::Slot("lblName"), r.PersonName);
  sheet.SetCaption(core::Slot("lblDOB"),
                   Concat(MonthName(r.BirthMonth), "/", r.BirthDay, "/", r.BirthYear));
  sheet.SetCaption(core::Slot("lblTOB"), Concat(r.BirthHour, ":", r.BirthMinute));
  sheet.SetCaption(core::Slot("lblLatitude"),
                   Concat(r.LatitudeDeg, "° ", r.LatitudeMin, "'", e.optLatNorth ? " N" : " S"));
  sheet.SetCaption(core::Slot("lblLongitude"),
                   Concat(r.LongitudeDeg, "° ", r.LongitudeMin, "'", e.optLongEast ? " E" : " W"));
  sheet.SetCaption(core::Slot("lblCity"), e.txtMCity);
  sheet.SetCaption(core::Slot("lblState"), e.txtMState);
  sheet.SetCaption(core::Slot("lblCountry"), e.txtMCountry);
}

void WriteWeekday(BirthRecord& r, ResultSheet& sheet) {
  r.BirthDateText = Concat(MonthName(r.BirthMonth), " ", r.BirthDay, ",", r.BirthYear);
  if (const auto date = BirthDate(r)) {
    r.WeekdayNumber = static_cast<std::int16_t>(weekday{sys_days{*date}}.c_encoding() + 1);
  }
  if (r.WeekdayNumber >= 1 && r.WeekdayNumber <= 7)
    sheet.SetCaption(core::Slot("lblVaar"), std::string(kWeekdayNames[r.WeekdayNumber - 1]));
}

// Sunrise and sunset of the birth date and of its two neighbours; returns what the Sun did
// on each (previous day, birth date, next day).
std::array<SunDay, 3> ComputeSunTimes(BirthRecord& r) {
  std::array<SunDay, 3> days{SunDay::RisesAndSets, SunDay::RisesAndSets, SunDay::RisesAndSets};
  const auto date = BirthDate(r);
  if (!date) return days;
  std::array<DateTime*, 6> targets{&r.PrevSunrise, &r.PrevSunset,  &r.Sunrise,
                                   &r.Sunset,      &r.NextSunrise, &r.NextSunset};
  for (int offset = -1; offset <= 1; ++offset) {
    const year_month_day d{sys_days{*date} + std::chrono::days{offset}};
    const std::size_t i = static_cast<std::size_t>(offset + 1);
    days[i] = sky::SunRiseSet(int(unsigned(d.month())), int(unsigned(d.day())), int(d.year()),
                              r.BirthHour, r.BirthMinute, r.LatitudeDeg, r.LatitudeMin, r.IsSouth,
                              r.LongitudeDeg, r.LongitudeMin, r.IsEast, r.ZoneHours, r.ZoneMinutes,
                              r.IsDst, r.SunTimes);
    *targets[2 * i] = r.SunTimes[0];
    *targets[2 * i + 1] = r.SunTimes[1];
  }
  return days;
}

void StoreBirthMoment(const FormEntries& e, BirthRecord& r) {
  const auto d = WholeNumber(e.cboDate), y = WholeNumber(e.cboYear);
  const auto h = WholeNumber(e.cboHH), m = WholeNumber(e.cboMM), s = WholeNumber(e.cboSS);
  if (!d || !y || !h || !m || !s || e.cboMonth < 0 || e.cboMonth > 11) return;
  const year_month_day date{year{*y}, month{static_cast<unsigned>(e.cboMonth + 1)},
                            day{static_cast<unsigned>(*d)}};
  if (!date.ok()) return;
  r.BirthMoment = local_days{date} + hours{*h} + minutes{*m} + seconds{*s};
}

std::string SunTimeText(const DateTime& t, SunDay sunDay) {
  if (!t) return {};
  std::string text = DateTimeText(*t);
  if (sunDay == SunDay::NeverSets) text += " (the Sun did not set this day)";
  if (sunDay == SunDay::NeverRises) text += " (the Sun did not rise this day)";
  return text;
}

void FindPeriodLords(BirthRecord& r, ResultSheet& sheet, const std::array<SunDay, 3>& sunDays) {
  r.YamardhaFlags.fill(false);  // slot 8 is never read; clearing it too keeps readings apart
  r.DandaFlags.fill(false);
  const auto period = chakra::SelectPeriod(r);
  if (!period) return;
  const bool day = chakra::IsDayPeriod(*period);
  chakra::SetYamardhaPeriod(r);
  day ? chakra::SetDayYamardhapati(r) : chakra::SetNightYamardhapati(r);
  chakra::SetDandaPeriod(r);
  day ? chakra::SetDayDandadhipati(r) : chakra::SetNightDandadhipati(r);

  std::size_t shown = 1;  // the birth date's own pair
  if (*period == BirthPeriod::PreviousDay || *period == BirthPeriod::NightBeforeSunrise) shown = 0;
  if (*period == BirthPeriod::NightAfterSunset) shown = 2;
  const std::array<const DateTime*, 6> times{&r.PrevSunrise, &r.PrevSunset,  &r.Sunrise,
                                             &r.Sunset,      &r.NextSunrise, &r.NextSunset};
  sheet.SetCaption(core::Slot("lblSunRise"), SunTimeText(*times[2 * shown], sunDays[shown]));
  sheet.SetCaption(core::Slot("lblSunSet"), SunTimeText(*times[2 * shown + 1], sunDays[shown]));
}

void StoreLagnaName(BirthRecord& r) {
  const int sign = ephemeris::SignOfLongitude(r.Longitudes[kLagna]);
  if (sign >= 0) r.LagnaName = std::string(ephemeris::kSanskritSignNames[sign]);
}

}  // namespace

std::string DateTimeText(LocalTime t) {
  const auto dayStart = floor<days>(t);
  const year_month_day date{dayStart};
  const hh_mm_ss time{t - dayStart};
  const auto twoDigits = [](std::string& text, long value) {
    text.push_back(char('0' + value / 10));
    text.push_back(char('0' + value % 10));
  };
  std::string text = Concat(int(unsigned(date.day())), " ", MonthName(int(unsigned(date.month()))),
                            " ", int(date.year()), " ");
  twoDigits(text, time.hours().count());
  text.push_back(':');
  twoDigits(text, time.minutes().count());
  text.push_back(':');
  twoDigits(text, time.seconds().count());
  return text;
}

std::optional<Refusal> RunReading(const FormEntries& e, BirthRecord& r, ResultSheet& sheet) {
  if (auto refusal = ValidateEntries(e)) return refusal;
  CopyEntries(e, r);
  ComputeChart(r, sheet);
  WritePersonalDetails(e, r, sheet);
  WriteWeekday(r, sheet);
  const auto sunDays = ComputeSunTimes(r);
  StoreBirthMoment(e, r);
  FindPeriodLords(r, sheet, sunDays);
  sheet.SetCaption(core::Slot("blPeriodDisplay"), HoursMinutes(r.PeriodSeconds));
  sheet.SetCaption(core::Slot("lblYamradhaDisplay"),
                   HoursMinutes(chakra::RoundedShare(r.PeriodSeconds, 8)));
  StoreLagnaName(r);
  chakra::ComposeVedhaReading(r, sheet);
  return std::nullopt;
}

}  // namespace reading

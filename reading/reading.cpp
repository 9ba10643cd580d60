#include "reading/reading.h"

#include <array>
#include <chrono>
#include <cmath>

#include "chakra/pataki_chakra.h"
#include "chakra/vedha_reading.h"
#include "chakra/yamardha.h"
#include "core/zone_table.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"
#include "reading/english_captions.h"
#include "reading/parse_birth.h"
#include "reading/sky_source.h"
#include "reading/vector_state.h"

namespace reading {

using core::DateTime;
using core::kBodyCount;
using core::kLagna;
using core::MonthName;

namespace {

using namespace std::chrono;
using chakra::BirthPeriod;
using core::SunDay;

using core::kBodyNames;

std::optional<year_month_day> BirthDate(const BirthRecord& r) {
  const year_month_day date{year{r.BirthYear}, month{static_cast<unsigned>(r.BirthMonth)},
                            day{static_cast<unsigned>(r.BirthDay)}};
  if (!date.ok()) return std::nullopt;
  return date;
}

std::int16_t Short(long value) {
  return static_cast<std::int16_t>(value);
}

// The record's birth fields, as the dump lists them, from the birth value.
void CopyBirth(const core::BirthValue& b, BirthRecord& r) {
  r.Birth = b;
  r.PersonName = b.name;
  if (const auto* row = std::get_if<core::ZoneRowOrigin>(&b.offset.origin)) {
    core::Zone_Calculation(row->row, r);
    r.IsDst = row->dst;
  } else {  // the correction to universal time, minutes truncated toward zero
    r.ZoneHours = Short(-b.offset.east.count() / 3600);
    r.ZoneMinutes = Short(-b.offset.east.count() % 3600 / 60);
    r.IsDst = false;
  }
  const auto day = floor<days>(b.local);
  const year_month_day date{day};
  const hh_mm_ss clock{b.local - day};
  r.BirthMonth = Short(unsigned(date.month()));
  r.BirthDay = Short(unsigned(date.day()));
  r.BirthYear = Short(int(date.year()));
  r.BirthHour = Short(clock.hours().count());
  r.BirthMinute = Short(clock.minutes().count());
  r.ZoneHoursAbs = static_cast<std::int16_t>(std::abs(r.ZoneHours));
  r.ZoneMinutesAbs = static_cast<std::int16_t>(std::abs(r.ZoneMinutes));
  r.LongitudeDeg = Short(b.longitude.degrees);
  r.LongitudeMin = Short(b.longitude.minutes);
  r.LatitudeDeg = Short(b.latitude.degrees);
  r.LatitudeMin = Short(b.latitude.minutes);
  r.IsEast = b.longitude.positive;
  r.IsSouth = !b.latitude.positive;
  r.BirthMoment = b.local;
  for (int k = 0; k < kBodyCount; ++k) r.BodyNames[k].assign(kBodyNames[k]);
  r.Retrograde.fill(false);
}

// The longitudes the position texts and the sign boxes were written from.
void KeepPositions(const BirthRecord& r, core::ReadingFacts& facts) {
  auto& longitudes = facts.longitudes.emplace();
  for (std::size_t k = 0; k < longitudes.size(); ++k) longitudes[k].degrees = r.Longitudes[k];
  facts.retrograde = r.Retrograde;
}

void ComputeChart(const BirthSky& sky, BirthRecord& r, ResultSheet& sheet) {
  WritePositions(sky, r);
  chakra::FillPatakiChakra(r, sheet);
  KeepPositions(r, sheet.facts);
}

// The texts as typed, and the facts of the birth's date, time and place.
void WritePersonalDetails(const core::BirthValue& b, const BirthRecord& r, ResultSheet& sheet) {
  sheet.SetCaption(core::Slot("lblName"), r.PersonName);
  sheet.SetCaption(core::Slot("lblCity"), b.city);
  sheet.SetCaption(core::Slot("lblState"), b.state);
  sheet.SetCaption(core::Slot("lblCountry"), b.country);
  auto& facts = sheet.facts;
  facts.birthDate = year_month_day{year{r.BirthYear}, month{static_cast<unsigned>(r.BirthMonth)},
                                   day{static_cast<unsigned>(r.BirthDay)}};
  facts.birthTime = hours{r.BirthHour} + minutes{r.BirthMinute};
  facts.latitude = b.latitude;
  facts.longitude = b.longitude;
}

void WriteWeekday(BirthRecord& r, ResultSheet& sheet) {
  r.BirthDateText = RecordDateText(r.BirthMonth, r.BirthDay, r.BirthYear);
  if (const auto date = BirthDate(r)) {
    r.WeekdayNumber = static_cast<std::int16_t>(weekday{sys_days{*date}}.c_encoding() + 1);
  }
  if (r.WeekdayNumber >= 1 && r.WeekdayNumber <= 7)
    sheet.facts.weekday = weekday{static_cast<unsigned>(r.WeekdayNumber - 1)};
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
  auto& facts = sheet.facts;
  facts.period = day ? core::BirthPeriodKind::Day : core::BirthPeriodKind::Night;
  facts.sunTimes = {*times[2 * shown], *times[2 * shown + 1]};
  facts.sunDays = {sunDays[shown], sunDays[shown]};
}

void StoreLagnaName(BirthRecord& r) {
  const int sign = ephemeris::SignOfLongitude(r.Longitudes[kLagna]);
  if (sign >= 0) r.LagnaName = std::string(ephemeris::kSanskritSignNames[sign]);
}

}  // namespace

namespace {

// A sky the source could not compute leaves the record's chart and sun times as they were.
void RunReading(const core::BirthValue& birth, const BirthSky* sky, BirthRecord& r,
                ResultSheet& sheet) {
  CopyBirth(birth, r);
  if (sky) ComputeChart(*sky, r, sheet);
  WritePersonalDetails(birth, r, sheet);
  WriteWeekday(r, sheet);
  std::array<SunDay, 3> sunDays{SunDay::RisesAndSets, SunDay::RisesAndSets, SunDay::RisesAndSets};
  if (sky) sunDays = WriteSunTimes(*sky, r);
  FindPeriodLords(r, sheet, sunDays);
  sheet.facts.periodLength = seconds{r.PeriodSeconds};
  sheet.facts.yamardhaLength = seconds{r.YamardhaSeconds};
  StoreLagnaName(r);
  chakra::ComposeVedhaReading(r, sheet);
  WriteEnglishCaptions(sheet.facts, sheet);
}

}  // namespace

void RunReading(const core::BirthValue& birth, BirthRecord& r, ResultSheet& sheet) {
  ClearUpperVectorHalves();
  const auto sky = SourceOf(birth)->SkyOf(birth);
  RunReading(birth, std::get_if<BirthSky>(&sky), r, sheet);
}

std::optional<Refusal> RunReading(const FormEntries& e, BirthRecord& r, ResultSheet& sheet) {
  ClearUpperVectorHalves();
  auto parsed = ParseBirth(e);
  if (auto* refusal = std::get_if<Refusal>(&parsed)) return std::move(*refusal);
  const auto& birth = std::get<core::BirthValue>(parsed);
  const auto source = SourceOf(birth);
  // Without its library a calculation would leave the chart empty: say so instead.
  if (std::string why = source->Unavailable(); !why.empty())
    return Refusal{std::move(why), MessageIcon::Error, std::nullopt};
  // A calculation that fails refuses the reading: the record keeps no half of two charts.
  auto sky = source->SkyOf(birth);
  if (auto* why = std::get_if<std::string>(&sky))
    return Refusal{std::move(*why), MessageIcon::Error, std::nullopt};
  RunReading(birth, &std::get<BirthSky>(sky), r, sheet);
  return std::nullopt;
}

}  // namespace reading

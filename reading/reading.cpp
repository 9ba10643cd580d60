#include "reading/reading.h"

#include <array>
#include <chrono>
#include <cmath>

#include "chakra/pataki_chakra.h"
#include "chakra/vedha_reading.h"
#include "chakra/yamardha.h"
#include "core/zone_table.h"
#include "ephemeris/angles.h"
#include "ephemeris/birth_instant.h"
#include "ephemeris/calendar_angles.h"
#include "ephemeris/moon.h"
#include "ephemeris/planets.h"
#include "reading/english_captions.h"
#include "reading/parse_birth.h"
#include "reading/swiss_sky.h"
#include "reading/vector_state.h"
#include "sky/retrogrades.h"
#include "sky/sunrise_sunset.h"
#include "swiss/swiss_ephemeris.h"

namespace reading {

using core::DateTime;
using core::kBodyCount;
using core::kLagna;
using core::MonthName;

namespace {

using namespace std::chrono;
using chakra::BirthPeriod;
using sky::SunDay;

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

// The Swiss Ephemeris's settings when the birth chose it.
const core::SwissSettings* SwissChoice(const core::BirthValue& b) {
  const auto& c = b.calculation;
  return c && c->ephemeris == core::EphemerisChoice::Swiss ? &c->swiss : nullptr;
}

// The longitudes the position texts and the sign boxes were written from.
void KeepPositions(const BirthRecord& r, core::ReadingFacts& facts) {
  auto& longitudes = facts.longitudes.emplace();
  for (std::size_t k = 0; k < longitudes.size(); ++k) longitudes[k].degrees = r.Longitudes[k];
  facts.retrograde = r.Retrograde;
}

void ComputeChart(const core::BirthValue& b, const SwissSky* swissSky, BirthRecord& r,
                  ResultSheet& sheet) {
  if (SwissChoice(b)) {
    if (!swissSky) return;
    WriteSwissPositions(*swissSky, r);
    chakra::FillPatakiChakra(r, sheet);
    KeepPositions(r, sheet.facts);
    return;
  }
  r.EphemerisFiles = false;
  const ephemeris::BirthInstant instant = ephemeris::InstantOf(b);
  ephemeris::ComputeAscendant(r, instant);
  ephemeris::ComputeMoonAndRashi(r, instant);
  ephemeris::ComputePositionTable(r, instant);
  sky::MarkRetrogrades(r);
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

// Sunrise and sunset of the birth date and of its two neighbours; returns what the Sun did
// on each (previous day, birth date, next day).
std::array<SunDay, 3> ComputeSunTimes(const core::BirthValue& b, const SwissSky* swissSky,
                                      BirthRecord& r) {
  std::array<SunDay, 3> days{SunDay::RisesAndSets, SunDay::RisesAndSets, SunDay::RisesAndSets};
  if (SwissChoice(b)) return swissSky ? WriteSwissSunTimes(*swissSky, r) : days;
  const local_days birthDay = floor<std::chrono::days>(b.local);
  std::array<DateTime*, 6> targets{&r.PrevSunrise, &r.PrevSunset,  &r.Sunrise,
                                   &r.Sunset,      &r.NextSunrise, &r.NextSunset};
  for (int offset = -1; offset <= 1; ++offset) {
    const year_month_day d{birthDay + std::chrono::days{offset}};
    const auto events =
        sky::SunRiseSet(d, b.latitude.Signed(), b.longitude.Signed(), b.offset.east);
    if (!events) continue;
    const std::size_t i = static_cast<std::size_t>(offset + 1);
    days[i] = events->day;
    // The record's pair of slots keeps the last day computed, as the dump shows it.
    r.SunTimes[0] = *targets[2 * i] = events->rise;
    r.SunTimes[1] = *targets[2 * i + 1] = events->set;
  }
  return days;
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
  const core::SunNote note = sunDays[shown] == SunDay::NeverSets    ? core::SunNote::DidNotSet
                             : sunDays[shown] == SunDay::NeverRises ? core::SunNote::DidNotRise
                                                                    : core::SunNote::None;
  facts.sunNotes = {note, note};
}

void StoreLagnaName(BirthRecord& r) {
  const int sign = ephemeris::SignOfLongitude(r.Longitudes[kLagna]);
  if (sign >= 0) r.LagnaName = std::string(ephemeris::kSanskritSignNames[sign]);
}

}  // namespace

namespace {

void RunReading(const core::BirthValue& birth, const SwissSky* swissSky, BirthRecord& r,
                ResultSheet& sheet) {
  CopyBirth(birth, r);
  ComputeChart(birth, swissSky, r, sheet);
  WritePersonalDetails(birth, r, sheet);
  WriteWeekday(r, sheet);
  const auto sunDays = ComputeSunTimes(birth, swissSky, r);
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
  std::optional<SwissSky> swissSky;
  if (const auto* swiss = SwissChoice(birth))
    if (auto sky = ComputeSwissSky(birth, *swiss); auto* computed = std::get_if<SwissSky>(&sky))
      swissSky = std::move(*computed);
  RunReading(birth, swissSky ? &*swissSky : nullptr, r, sheet);
}

std::optional<Refusal> RunReading(const FormEntries& e, BirthRecord& r, ResultSheet& sheet) {
  ClearUpperVectorHalves();
  auto parsed = ParseBirth(e);
  if (auto* refusal = std::get_if<Refusal>(&parsed)) return std::move(*refusal);
  // Without its library the Swiss Ephemeris would leave the chart empty: say so instead.
  const auto& birth = std::get<core::BirthValue>(parsed);
  std::optional<SwissSky> swissSky;
  if (const auto* swiss = SwissChoice(birth)) {
    if (std::string why = swiss::Unavailable(); !why.empty())
      return Refusal{std::move(why), MessageIcon::Error, std::nullopt};
    // A library that fails refuses the reading: the record keeps no half of two charts.
    auto sky = ComputeSwissSky(birth, *swiss);
    if (auto* why = std::get_if<std::string>(&sky))
      return Refusal{std::move(*why), MessageIcon::Error, std::nullopt};
    swissSky = std::move(std::get<SwissSky>(sky));
  }
  RunReading(birth, swissSky ? &*swissSky : nullptr, r, sheet);
  return std::nullopt;
}

}  // namespace reading

#include "dasha/vimshottari.h"

#include <cmath>
#include <cstdlib>

namespace dasha {

namespace chr = std::chrono;

namespace {

constexpr std::int64_t kSecondsPerDay = 86400;
// Years of the whole cycle; one "unit" below is a 120th of a dasha year, so a mahadasha of
// Y years lasts 120 × Y units and antardasha L of mahadasha M lasts Y(M) × Y(L) units.
constexpr std::int64_t kCycleYears = 120;
constexpr double kJulianYearSeconds = 365.25 * kSecondsPerDay;

// Splits the remaining seconds into years, months of a twelfth of the year and rounded days.
Balance Split(Lord lord, std::int64_t remaining, std::int64_t yearSeconds) {
  const std::int64_t monthSeconds = yearSeconds / 12;
  Balance b;
  b.lord = lord;
  b.remaining = chr::seconds(remaining);
  b.years = static_cast<int>(remaining / yearSeconds);
  const std::int64_t inYear = remaining % yearSeconds;
  b.months = static_cast<int>(inYear / monthSeconds);
  std::int64_t days = (inYear % monthSeconds + kSecondsPerDay / 2) / kSecondsPerDay;
  if (days * kSecondsPerDay >= monthSeconds) {  // 29.5 days and more of a 30-day month
    days = 0;
    ++b.months;
  }
  if (b.months == 12) {
    b.months = 0;
    ++b.years;
  }
  b.days = static_cast<int>(days);
  return b;
}

}  // namespace

double YearDays(YearLength year) {
  return year == YearLength::Savana ? 360.0 : 365.25;
}

std::int64_t YearSeconds(YearLength year) {
  return year == YearLength::Savana ? 360 * kSecondsPerDay : 36525 * kSecondsPerDay / 100;
}

chr::year_month_day LocalDate(chr::sys_seconds instant, int utcOffsetSeconds) {
  return chr::year_month_day(chr::floor<chr::days>(instant + chr::seconds(utcOffsetSeconds)));
}

std::optional<Vimshottari> VimshottariDasha(double moonSiderealLongitude, chr::sys_seconds birth,
                                            int utcOffsetSeconds, YearLength year) {
  const std::optional<NakshatraPosition> moon = NakshatraOf(moonSiderealLongitude);
  if (!moon || std::abs(utcOffsetSeconds) >= kSecondsPerDay) return std::nullopt;
  // The calendar's years end at ±32767; the cycle spans at most 140 years around birth.
  constexpr chr::sys_days kEarliest{chr::year(-32000) / 1 / 1}, kLatest{chr::year(32000) / 1 / 1};
  if (birth < kEarliest || birth >= kLatest) return std::nullopt;

  const std::int64_t yearSeconds = YearSeconds(year);
  const std::int64_t unitSeconds = yearSeconds / kCycleYears;  // exact for both lengths
  const std::int64_t firstSeconds = LordYears(moon->lord) * yearSeconds;
  // The only rounding of the whole table: the part of the first period passed before birth, to
  // the nearest second. Every other boundary is a whole number of units from the origin.
  const auto passed = std::llround(moon->elapsedFraction * static_cast<double>(firstSeconds));
  const chr::sys_seconds origin = birth - chr::seconds(passed);
  const auto at = [&](std::int64_t units) { return origin + chr::seconds(units * unitSeconds); };
  const auto date = [&](chr::sys_seconds t) { return LocalDate(t, utcOffsetSeconds); };

  Vimshottari v;
  v.yearLength = year;
  v.yearDays = YearDays(year);
  v.birth = birth;
  v.utcOffsetSeconds = utcOffsetSeconds;
  v.moon = *moon;
  v.balance = Split(moon->lord, firstSeconds - passed, yearSeconds);

  std::int64_t startUnits = 0;
  Lord lord = moon->lord;
  for (Mahadasha& m : v.mahadashas) {
    const std::int64_t years = LordYears(lord);
    m.period = {lord, at(startUnits), at(startUnits + kCycleYears * years), {}, {}, false};
    m.period.startDate = date(m.period.start);
    m.period.endDate = date(m.period.end);
    m.period.endsBeforeBirth = m.period.end <= birth;
    m.ageAtStart = m.period.start - birth;
    m.ageYears = static_cast<double>(m.ageAtStart.count()) / kJulianYearSeconds;

    std::int64_t subUnits = 0;  // the antardashas' years so far, out of 120
    Lord sub = lord;
    chr::year_month_day subStartDate = m.period.startDate;
    for (Period& a : m.antardashas) {
      const chr::sys_seconds start = at(startUnits + years * subUnits);
      subUnits += LordYears(sub);
      const chr::sys_seconds end = at(startUnits + years * subUnits);
      a = {sub, start, end, subStartDate, date(end), end <= birth};
      subStartDate = a.endDate;
      sub = NextLord(sub);
    }
    startUnits += kCycleYears * years;
    lord = NextLord(lord);
  }
  return v;
}

std::optional<RunningPeriod> RunningAt(const Vimshottari& dasha, chr::sys_seconds now) {
  if (now < dasha.birth) return std::nullopt;
  for (int m = 0; m < kLordCount; ++m) {
    const Mahadasha& md = dasha.mahadashas[static_cast<std::size_t>(m)];
    if (now < md.period.start || now >= md.period.end) continue;
    for (int a = 0; a < kLordCount; ++a) {
      const Period& p = md.antardashas[static_cast<std::size_t>(a)];
      if (now >= p.start && now < p.end) return RunningPeriod{m, a};
    }
  }
  return std::nullopt;
}

}  // namespace dasha

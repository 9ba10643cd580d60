#include "places/clock_status.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include "core/form_entries.h"

namespace places {

namespace chr = std::chrono;

core::Words DateWords(chr::local_days day) {
  const chr::year_month_day ymd(day);
  return core::Phrase("%1 %2 %3", {core::Fixed(std::to_string(static_cast<unsigned>(ymd.day()))),
                                   core::Phrase(std::string(core::MonthName(
                                       static_cast<int>(static_cast<unsigned>(ymd.month()))))),
                                   core::Fixed(std::to_string(static_cast<int>(ymd.year())))});
}

std::string DateText(chr::local_days day) {
  return core::English(DateWords(day));
}

std::string TimeText(chr::local_seconds t) {
  const chr::hh_mm_ss hms(t - chr::floor<chr::days>(t));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02d:%02d", static_cast<int>(hms.hours().count()),
                static_cast<int>(hms.minutes().count()));
  std::string text = buf;
  if (hms.seconds().count() != 0) {
    std::snprintf(buf, sizeof buf, ":%02d", static_cast<int>(hms.seconds().count()));
    text += buf;
  }
  return text;
}

namespace {

// Winter is October to March north of the equator, April to September south of it.
bool InWinter(chr::local_seconds t, double latitudeNorth) {
  const auto month = static_cast<unsigned>(chr::year_month_day(chr::floor<chr::days>(t)).month());
  const bool northernSummer = month >= 4 && month <= 9;
  return latitudeNorth >= 0 ? !northernSummer : northernSummer;
}

// What people called the clock: "standard time", "summer time", "double summer time", "war
// time, kept all year", "winter time". A clock ahead for less than a year outside war time was
// ahead in the summer; one kept ahead longer, or in war time, is not called summer time.
// `brief` leaves out how long the clock was kept.
core::Words ClockKindWords(const BirthClock& clock, const ClockQuestion& q, bool brief = false) {
  using core::Phrase;
  if (clock.localMeanTime) return Phrase("local mean time");
  if (clock.behind) {
    // Dublin's and Windhoek's winter clocks have names (GMT, WAT); Casablanca's clock set back
    // in Ramadan, whatever the season, has none.
    const bool named = !clock.abbreviation.empty() && clock.abbreviation.front() != '+' &&
                       clock.abbreviation.front() != '-';
    return Phrase(named && InWinter(q.local, q.latitudeNorth) ? "winter time"
                                                              : "set back from the usual clock");
  }
  if (!clock.ahead.value_or(false)) return Phrase("standard time");
  if (clock.aheadSeconds >= 7200) return Phrase("double summer time");
  if (clock.warTime)
    return Phrase(clock.keptAllYear && !brief ? "war time, kept all year" : "war time");
  if (clock.keptAllYear)
    return Phrase(brief ? "ahead of standard time" : "ahead of standard time all year");
  if (clock.aheadSeconds == 3600) return Phrase("summer time");
  return Phrase("summer time, %1 minutes ahead",
                {core::Fixed(std::to_string(clock.aheadSeconds / 60))});
}

// "clocks were UTC+6:30 (war time, kept all year)", "local mean time of Kathmandu,
// UTC+5:41:17".
core::Words ClockWords(const BirthClock& clock, const ClockQuestion& q) {
  using core::Fixed;
  if (clock.localMeanTime)
    return core::Phrase("no common clock yet: local mean time of %1, %2",
                        {Fixed(std::string(q.place)), Fixed(UtcOffsetText(*clock.offsetSeconds))});
  return core::Phrase("clocks were %1 (%2)",
                      {Fixed(UtcOffsetText(*clock.offsetSeconds)), ClockKindWords(clock, q)});
}

}  // namespace

std::string UtcOffsetText(int offsetSeconds, OffsetStyle style) {
  // In long long, so that no int (not even the smallest) overflows when negated.
  const long long magnitude = std::llabs(static_cast<long long>(offsetSeconds));
  const bool page = style == OffsetStyle::Page;
  const char* sign = offsetSeconds >= 0 ? "+" : page ? "\u2212" : "-";
  char buf[40];
  std::snprintf(buf, sizeof buf, "UTC%s%0*lld:%02lld", sign, page ? 2 : 1, magnitude / 3600,
                magnitude / 60 % 60);
  std::string text = buf;
  if (magnitude % 60 != 0) {
    std::snprintf(buf, sizeof buf, ":%02lld", magnitude % 60);
    text += buf;
  }
  return text;
}

core::Words ClockStatusWords(const ClockQuestion& q, const BirthClock& clock) {
  using core::Fixed;
  using core::Phrase;
  // Every sentence starts with the place, the date and the time (%1 %2 %3) and, but for an
  // error, ends with the tz data's version and the zone.
  const auto sentence = [&q](const char* pattern, std::vector<core::Words> rest) {
    std::vector<core::Words> parts = {Fixed(std::string(q.place)),
                                      DateWords(chr::floor<chr::days>(q.local)),
                                      Fixed(TimeText(q.local))};
    parts.insert(parts.end(), rest.begin(), rest.end());
    return Phrase(pattern, std::move(parts));
  };
  const core::Words version = Fixed(std::string(q.tzVersion));
  const core::Words zone = Fixed(std::string(q.zoneId));
  if (!clock.error.empty()) return sentence("%1, %2 %3: %4", {Phrase(clock.error)});
  const chr::local_seconds change{chr::seconds(clock.changeUtc)};
  const auto before = Fixed(TimeText(change + chr::seconds(clock.offsetBeforeSeconds)));
  const auto after = Fixed(TimeText(change + chr::seconds(clock.offsetAfterSeconds)));
  if (clock.kind == ClockKind::Skipped) {
    const auto meant = q.local + chr::seconds(clock.offsetAfterSeconds - clock.offsetBeforeSeconds);
    // Apia's clocks went from 00:00 to 00:00 a day later: the whole of 30 December 2011 was
    // skipped, which the clock times alone would not say.
    const chr::local_days day = chr::floor<chr::days>(q.local);
    const chr::local_seconds from = change + chr::seconds(clock.offsetBeforeSeconds);
    const chr::local_seconds to = change + chr::seconds(clock.offsetAfterSeconds);
    if (from <= day && day + chr::days(1) <= to)
      return sentence(
          "%1, %2 %3: this day did not exist there: the clocks went from the end of %4 "
          "straight to %5; most likely it means %6 (%7); tz database %8, %9",
          {DateWords(chr::floor<chr::days>(from - chr::seconds(1))),
           DateWords(chr::floor<chr::days>(to)),
           Phrase("%1 %2", {DateWords(chr::floor<chr::days>(meant)), Fixed(TimeText(meant))}),
           Fixed(UtcOffsetText(clock.offsetAfterSeconds)), version, zone});
    return sentence(
        "%1, %2 %3: this time did not exist there: clocks went from %4 to %5; most likely it "
        "means %6 (%7); tz database %8, %9",
        {before, after, Fixed(TimeText(meant)), Fixed(UtcOffsetText(clock.offsetAfterSeconds)),
         version, zone});
  }
  if (clock.kind == ClockKind::Repeated)
    return sentence(clock.later ? "%1, %2 %3: this time happened twice there, as clocks went back "
                                  "from %4 to %5; taken as the second, %6; tz database %7, %8"
                                : "%1, %2 %3: this time happened twice there, as clocks went back "
                                  "from %4 to %5; taken as the first, %6; tz database %7, %8",
                    {before, after, ClockWords(clock, q), version, zone});
  return sentence("%1, %2 %3: %4; tz database %5, %6", {ClockWords(clock, q), version, zone});
}

std::string ClockStatus(const ClockQuestion& q, const BirthClock& clock) {
  return core::English(ClockStatusWords(q, clock));
}

std::string ClockSummary(const ClockQuestion& q, const BirthClock& clock) {
  if (!clock.error.empty() || !clock.offsetSeconds) return {};
  return UtcOffsetText(*clock.offsetSeconds) + ", " +
         core::English(ClockKindWords(clock, q, true)) + ", " + std::string(q.zoneId);
}

}  // namespace places

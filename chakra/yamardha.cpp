#include "chakra/yamardha.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string_view>

namespace chakra {

namespace {

using Row = std::array<std::string_view, 8>;

// Yamardha lords by day, Sunday first: the weekday's lord, then the cycle Sun, Venus,
// Mercury, Moon, Saturn, Jupiter, Mars, and the weekday's lord again in the eighth.
constexpr std::array<Row, 7> kDayLords = {{
    {"Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun"},
    {"Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon"},
    {"Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars"},
    {"Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury"},
    {"Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn", "Jupiter"},
    {"Venus", "Mercury", "Moon", "Saturn", "Jupiter", "Mars", "Sun", "Venus"},
    {"Saturn", "Jupiter", "Mars", "Sun", "Venus", "Mercury", "Moon", "Saturn"},
}};

// Yamardha lords by night, Sunday first: the cycle Sun, Jupiter, Moon, Venus, Mars, Saturn,
// Mercury from the weekday's lord.
constexpr std::array<Row, 7> kNightLords = {{
    {"Sun", "Jupiter", "Moon", "Venus", "Mars", "Saturn", "Mercury", "Sun"},
    {"Moon", "Venus", "Mars", "Saturn", "Mercury", "Sun", "Jupiter", "Moon"},
    {"Mars", "Saturn", "Mercury", "Sun", "Jupiter", "Moon", "Venus", "Mars"},
    {"Mercury", "Sun", "Jupiter", "Moon", "Venus", "Mars", "Saturn", "Mercury"},
    {"Jupiter", "Moon", "Venus", "Mars", "Saturn", "Mercury", "Sun", "Jupiter"},
    {"Venus", "Mars", "Saturn", "Mercury", "Sun", "Jupiter", "Moon", "Venus"},
    {"Saturn", "Mercury", "Sun", "Jupiter", "Moon", "Venus", "Mars", "Saturn"},
}};

// Danda lords: the Yamardhapati, then the lords of Dandas 1..4. Searched in row order; the
// last row, Mars, also serves any name no earlier row holds.
struct DandaRow {
  std::string_view yamardhapati;
  std::array<std::string_view, 4> lords;
};

constexpr std::array<DandaRow, 7> kDayDandaLords = {{
    {"Sun", {"Sun", "Rahu", "Mercury", "Moon"}},
    {"Venus", {"Venus", "Mars", "Sun", "Rahu"}},
    {"Mercury", {"Mercury", "Moon", "Sun", "Rahu"}},
    {"Moon", {"Moon", "Sun", "Rahu", "Mercury"}},
    {"Saturn", {"Saturn", "Mars", "Sun", "Rahu"}},
    {"Jupiter", {"Jupiter", "Moon", "Sun", "Rahu"}},
    {"Mars", {"Mars", "Sun", "Rahu", "Mercury"}},
}};

// By night the Yamardhapati and the next three planets of the day cycle.
constexpr std::array<DandaRow, 7> kNightDandaLords = {{
    {"Sun", {"Sun", "Venus", "Mercury", "Moon"}},
    {"Venus", {"Venus", "Mercury", "Moon", "Saturn"}},
    {"Mercury", {"Mercury", "Moon", "Saturn", "Jupiter"}},
    {"Moon", {"Moon", "Saturn", "Jupiter", "Mars"}},
    {"Saturn", {"Saturn", "Jupiter", "Mars", "Sun"}},
    {"Jupiter", {"Jupiter", "Mars", "Sun", "Venus"}},
    {"Mars", {"Mars", "Sun", "Venus", "Mercury"}},
}};

// Whole seconds from a to b as a magnitude; empty when it does not fit a 32-bit count.
std::optional<std::int32_t> SecondsBetween(core::LocalTime a, core::LocalTime b) {
  const auto seconds = std::abs((b - a).count());
  if (seconds > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
  return static_cast<std::int32_t>(seconds);
}

void SetYamardhapati(core::BirthRecord& record, const std::array<Row, 7>& table) {
  if (record.WeekdayNumber < 1 || record.WeekdayNumber > 7) return;
  const auto& row = table[static_cast<std::size_t>(record.WeekdayNumber - 1)];
  for (std::size_t p = 0; p < row.size(); ++p) {
    if (record.YamardhaFlags[p]) {
      record.Yamardhapati = std::string(row[p]);
      return;
    }
  }
}

void SetDandadhipati(core::BirthRecord& record, const std::array<DandaRow, 7>& table) {
  std::size_t q = 3;
  for (std::size_t slot = 0; slot < 3; ++slot) {
    if (record.DandaFlags[slot]) {
      q = slot;
      break;
    }
  }
  const DandaRow* row = &table.back();
  for (const auto& candidate : table) {
    if (candidate.yamardhapati == record.Yamardhapati) {
      row = &candidate;
      break;
    }
  }
  record.Dandadhipati = std::string(row->lords[q]);
}

// The case of a birth at t, with the sunrise or sunset that opens its period and the one
// that closes it.
struct PeriodBounds {
  BirthPeriod period;
  const core::DateTime& start;
  const core::DateTime& end;
};

PeriodBounds FindBounds(const core::BirthRecord& r, core::LocalTime t) {
  // A date without daylight (sunrise and sunset both at noon) holds no day birth.
  const bool daylight = *r.Sunrise < *r.Sunset;
  if (daylight && *r.Sunrise <= t && t <= *r.Sunset) return {BirthPeriod::Day, r.Sunrise, r.Sunset};
  // The previous day's sunset fell after midnight and the birth came before it: a birth in
  // the previous day's daylight, not in a night that had not yet begun.
  if (t < *r.Sunrise && r.PrevSunset && t <= *r.PrevSunset)
    return {BirthPeriod::PreviousDay, r.PrevSunrise, r.PrevSunset};
  if (t < *r.Sunrise) return {BirthPeriod::NightBeforeSunrise, r.PrevSunset, r.Sunrise};
  return {BirthPeriod::NightAfterSunset, r.Sunset, r.NextSunrise};
}

// One of `parts` equal shares of a span of seconds, rounded to the nearest whole second,
// halves to even: the one rounding of the Yamardha and the Danda, which every caption and page
// reads from the record.
std::int32_t RoundedShare(std::int32_t seconds, int parts) {
  return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(seconds) / parts));
}

}  // namespace

std::optional<BirthPeriod> SelectPeriod(core::BirthRecord& r) {
  if (!r.BirthMoment || !r.Sunrise || !r.Sunset) return std::nullopt;
  const core::LocalTime t = *r.BirthMoment;
  const PeriodBounds bounds = FindBounds(r, t);
  if (!bounds.start || !bounds.end) return std::nullopt;

  const auto length = SecondsBetween(*bounds.start, *bounds.end);
  const auto elapsed = SecondsBetween(*bounds.start, t);
  if (!length || !elapsed) return std::nullopt;
  r.PeriodSeconds = *length;
  r.ElapsedSeconds = *elapsed;
  r.SubPeriodSeconds = RoundedShare(*length, 32);
  r.YamardhaSeconds = RoundedShare(*length, 8);
  r.PeriodName = IsDayPeriod(bounds.period) ? "Dinamana" : "Ratrimana";
  return bounds.period;
}

void SetYamardhaPeriod(core::BirthRecord& r) {
  // A birth on a boundary belongs to the earlier Yamardha. No division: a period of zero
  // length (no sunrise or no sunset at the place) falls in the first Yamardha.
  std::size_t p = 7;
  for (std::int64_t k = 1; k <= 7; ++k) {
    if (r.ElapsedSeconds <= k * r.YamardhaSeconds) {
      p = static_cast<std::size_t>(k - 1);
      break;
    }
  }
  r.YamardhaFlags[p] = true;
}

void SetDayYamardhapati(core::BirthRecord& r) {
  SetYamardhapati(r, kDayLords);
}

void SetNightYamardhapati(core::BirthRecord& r) {
  SetYamardhapati(r, kNightLords);
}

void SetDandaPeriod(core::BirthRecord& r) {
  // A birth on a boundary belongs to the later Danda; past the 31st thirty-second of the
  // period, and in a period of zero length, it is the fourth Danda.
  std::size_t q = 3;
  for (std::int64_t k = 1; k <= 31; ++k) {
    if (r.ElapsedSeconds < k * r.SubPeriodSeconds) {
      q = static_cast<std::size_t>((k - 1) % 4);
      break;
    }
  }
  r.DandaFlags[q] = true;
}

void SetDayDandadhipati(core::BirthRecord& r) {
  SetDandadhipati(r, kDayDandaLords);
}

void SetNightDandadhipati(core::BirthRecord& r) {
  SetDandadhipati(r, kNightDandaLords);
}

}  // namespace chakra

#pragma once
// The Vimshottari dasha: the 120-year cycle of the nine lords' periods (mahadashas), each
// divided among the nine lords in the same order (antardashas), starting from the lord of the
// Moon's nakshatra at birth with the part of its period the Moon has still to run.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>

#include "dasha/nakshatra.h"

namespace dasha {

// The length of a dasha year. Julian, 365.25 days, is the default: the Julian year, the unit of
// time of astronomical almanacs (IAU) and the year dasha tables are most widely computed with;
// it is within 0.0064 days of the sidereal year, under a day in the 120 years. Savana, 360
// days, is the civil year of twelve thirty-day months of the classical texts, the other common
// choice.
enum class YearLength : std::uint8_t { Julian, Savana };

// Days of a dasha year: 365.25 or 360.
double YearDays(YearLength year);
// Seconds of a dasha year. Both lengths divide into 120ths and 12ths of whole seconds, so every
// boundary below lies a whole number of seconds from the cycle's start.
std::int64_t YearSeconds(YearLength year);

// The calendar date at a place whose clock is utcOffsetSeconds ahead of universal time.
std::chrono::year_month_day LocalDate(std::chrono::sys_seconds instant, int utcOffsetSeconds);

// A mahadasha or antardasha: its lord, its start and end as universal-time instants, and the
// same as calendar dates at the birth place.
struct Period {
  Lord lord = Lord::Ketu;
  std::chrono::sys_seconds start{}, end{};
  std::chrono::year_month_day startDate{}, endDate{};
  bool endsBeforeBirth = false;  // end <= birth: only antardashas of the first mahadasha
};

struct Mahadasha {
  Period period;
  // Time from birth to the period's start: negative for the first, which began before birth
  // (zero when the Moon stood at the very start of its nakshatra).
  std::chrono::seconds ageAtStart{};
  // The same in years of 365.25 days, the person's age whatever the dasha year.
  double ageYears = 0;
  // The nine antardashas, starting with the mahadasha's own lord; antardasha L of mahadasha M
  // lasts years(M) × years(L) / 120 dasha years. The last ends exactly when the mahadasha does.
  std::array<Period, kLordCount> antardashas{};
};

// What remains of the first mahadasha at birth: whole years, whole months of a twelfth of the
// dasha year, and days rounded to the nearest (a rounded-up full month counts as a month).
struct Balance {
  Lord lord = Lord::Ketu;
  int years = 0, months = 0, days = 0;
  std::chrono::seconds remaining{};  // exact, before splitting
};

struct Vimshottari {
  YearLength yearLength = YearLength::Julian;
  double yearDays = 365.25;
  std::chrono::sys_seconds birth{};
  int utcOffsetSeconds = 0;
  NakshatraPosition moon;  // the Moon's nakshatra, whose lord opens the cycle
  Balance balance;
  // The nine mahadashas in order, the first listed whole: from its theoretical start before
  // birth to birth + balance.
  std::array<Mahadasha, kLordCount> mahadashas{};
};

// The dasha of a birth: the Moon's sidereal longitude in degrees, the birth instant (universal
// time), the birth place's UTC offset in seconds (for the calendar dates only) and the year
// length. Empty for a longitude that is not finite, an offset of a day or more, or a birth
// outside the years -32000 to 31999 (the calendar's years end at ±32767).
std::optional<Vimshottari> VimshottariDasha(double moonSiderealLongitude,
                                            std::chrono::sys_seconds birth, int utcOffsetSeconds,
                                            YearLength year = YearLength::Julian);

// Indexes into mahadashas and their antardashas, 0..8.
struct RunningPeriod {
  int mahadasha = 0;
  int antardasha = 0;
};

// The periods running at an instant (start <= now < end). Empty before birth and from the end
// of the ninth mahadasha on.
std::optional<RunningPeriod> RunningAt(const Vimshottari& dasha, std::chrono::sys_seconds now);

}  // namespace dasha

#pragma once
// The day (sunrise to sunset) and the night (sunset to the next sunrise) in eight
// Yamardhas of four Dandas each, and the planets that rule them.

#include <cstdint>
#include <optional>

#include "core/birth_record.h"

namespace chakra {

// Which sunrise and sunset bound the period of birth, and so which pair is shown.
enum class BirthPeriod {
  Day,          // Sunrise <= birth <= Sunset
  PreviousDay,  // before Sunrise but within the previous day, whose sunset fell after midnight
  NightBeforeSunrise,  // from PrevSunset to Sunrise
  NightAfterSunset,    // from Sunset to NextSunrise
};

inline bool IsDayPeriod(BirthPeriod p) {
  return p == BirthPeriod::Day || p == BirthPeriod::PreviousDay;
}

// Decides the period of birth and writes PeriodSeconds, ElapsedSeconds, SubPeriodSeconds,
// YamardhaSeconds and PeriodName. Empty, with nothing written, when a time it needs is
// missing.
std::optional<BirthPeriod> SelectPeriod(core::BirthRecord& record);

void SetYamardhaPeriod(core::BirthRecord& record);
void SetDayYamardhapati(core::BirthRecord& record);
void SetNightYamardhapati(core::BirthRecord& record);
void SetDandaPeriod(core::BirthRecord& record);
void SetDayDandadhipati(core::BirthRecord& record);
void SetNightDandadhipati(core::BirthRecord& record);

}  // namespace chakra

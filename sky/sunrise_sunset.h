#pragma once
// Local clock times of sunrise and sunset for one civil date from a low-precision solar
// model: the Sun's centre at the altitude whose sine is -0.0145439 (about 50' below the
// horizon). Good to a few minutes between the polar circles.

#include <chrono>
#include <optional>

#include "core/birth_value.h"
#include "core/sun_day.h"

namespace sky {

// What the Sun did on the date: the model gives RisesAndSets, NeverSets or NeverRises.
using core::SunDay;

struct SunEvents {
  SunDay day = SunDay::RisesAndSets;
  core::LocalTime rise{}, set{};  // on the clock of the given offset
};

// Sunrise and sunset of the date at the place (signed degrees, north and east positive), on a
// clock `utcOffset` ahead of universal time; empty for a date that does not exist.
std::optional<SunEvents> SunRiseSet(std::chrono::year_month_day date, double latitude,
                                    double longitudeEast, std::chrono::seconds utcOffset);

// Day of the year counted from 0 (1 January) that the model takes as its day number.
int DayIndex(std::chrono::year_month_day date);

}  // namespace sky

#pragma once
// Local clock times of sunrise and sunset for one civil date from a low-precision solar
// model: the Sun's centre at the altitude whose sine is -0.0145439 (about 50' below the
// horizon). Good to a few minutes between the polar circles.

#include <array>
#include <chrono>

#include "core/birth_record.h"

namespace sky {

// What the Sun did on the date. Where it neither rises nor sets, the times stored stand in
// for the day: a whole day of daylight (00:00 to the next 00:00) or none (12:00 twice).
enum class SunDay { RisesAndSets, NeverSets, NeverRises };

// Writes sunTimes slot 0 (sunrise) and slot 1 (sunset) of the given date. The hour and
// minute are the birth clock time (they take no part in the result). Zone hours and
// minutes are the signed correction to UT; daylight saving adds one hour to the clock.
SunDay SunRiseSet(int month, int day, int year, int hour, int minute, int latitudeDeg,
                  int latitudeMin, bool isSouth, int longitudeDeg, int longitudeMin, bool isEast,
                  int zoneHours, int zoneMinutes, bool isDst,
                  std::array<core::DateTime, 3>& sunTimes);

// Day of the year counted from 0 (1 January) that the model takes as its day number.
int DayIndex(std::chrono::year_month_day date);

}  // namespace sky

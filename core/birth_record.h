#pragma once
// The one record through which every step of a reading exchanges data. One instance lives
// for the whole run of the program; each reading overwrites it field by field, and a field
// whose step could not be carried out keeps the value of the previous reading.

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

#include "core/birth_value.h"

namespace core {

// Empty until a reading first writes it (the record's start-up "zero" date-time).
using DateTime = std::optional<LocalTime>;

// Shared body index: 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn,
// 7 Rahu, 8 Ketu, 9 ascendant (the Lagna point).
inline constexpr int kBodyCount = 10;
inline constexpr int kMoon = 1;
inline constexpr int kLagna = 9;

struct BirthRecord {
  // The birth the reading was made for; the fields below are filled from it.
  BirthValue Birth;

  // Birth inputs, copied from the form by the reading.
  std::string PersonName;
  std::int16_t BirthMonth = 0;  // 1..12
  std::int16_t BirthDay = 0;
  std::int16_t BirthYear = 0;
  std::int16_t BirthHour = 0;
  std::int16_t BirthMinute = 0;
  std::int16_t LongitudeDeg = 0;  // unsigned as entered; the hemisphere is IsEast
  std::int16_t LongitudeMin = 0;
  std::int16_t LatitudeDeg = 0;  // unsigned as entered; the hemisphere is IsSouth
  std::int16_t LatitudeMin = 0;
  bool IsEast = false;
  bool IsSouth = false;
  bool IsDst = false;

  // Zone correction: what to add to local clock time to get universal time.
  std::int16_t ZoneHours = 0;
  std::int16_t ZoneMinutes = 0;
  std::int16_t ZoneHoursAbs = 0;
  std::int16_t ZoneMinutesAbs = 0;

  // Bodies and chart texts.
  std::array<std::string, 10> BodyNames;
  std::array<std::string, 14> PositionTexts;
  std::array<std::string, 11> PositionNames;
  std::array<std::string, 10> ChartTexts;
  // Which bodies were retrograde at birth: the planets whose BodyNames carry the mark.
  std::array<bool, kBodyCount> Retrograde{};

  // Sidereal longitudes in degrees, [0, 360), in body order: the figures the position texts
  // show and the signs are taken from.
  std::array<double, kBodyCount> Longitudes{};

  // Working values the ephemeris keeps between its steps.
  std::string MoonLongitudeText;
  std::string RashiName;
  std::string AscendantText;
  double AyanamsaValue = 0.0;  // negative degrees
  // With the Swiss Ephemeris: whether its files served every position and sun time (false:
  // its analytical ephemeris did, for some or all). False with the built-in formulas.
  bool EphemerisFiles = false;
  // With the Swiss Ephemeris: per body, Sun .. Ketu, whether its files gave the position
  // (false: its analytical ephemeris did). All false with the built-in formulas.
  std::array<bool, 9> BodyFromFiles{};

  // Sunrise, sunset and the birth moment, local civil time.
  std::array<DateTime, 3> SunTimes;
  DateTime PrevSunrise, PrevSunset;
  DateTime Sunrise, Sunset;
  DateTime NextSunrise, NextSunset;
  DateTime BirthMoment;
  std::string BirthDateText;
  std::int16_t WeekdayNumber = 0;  // 1 = Sunday .. 7 = Saturday

  // The day or night of birth and its divisions.
  std::int32_t PeriodSeconds = 0;
  std::int32_t YamardhaSeconds = 0;
  std::int32_t SubPeriodSeconds = 0;
  std::int32_t ElapsedSeconds = 0;
  std::array<bool, 9> YamardhaFlags{};
  std::array<bool, 5> DandaFlags{};
  std::string PeriodName;
  std::string LagnaName;
  std::string Yamardhapati;
  std::string Dandadhipati;
};

}  // namespace core

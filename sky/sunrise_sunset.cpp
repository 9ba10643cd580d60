#include "sky/sunrise_sunset.h"

#include <chrono>
#include <cmath>

namespace sky {
namespace {

using namespace std::chrono;

// The model's own short constants (the degree figures of the Almanac for Computers, 1990, in
// radians); they are part of its published accuracy and of the frozen readings, so they are
// kept as written rather than replaced by exact multiples of pi or the ephemeris's constants.
constexpr double kQuarterTurn = 1.5708;
constexpr double kHalfTurn = 3.14159;
constexpr double kThreeQuarterTurns = 4.71239;
constexpr double kFullTurn = 6.28319;
constexpr double kDegToRad = 0.0174533;
constexpr double kHoursToRad = 0.261799;
constexpr double kSinRiseAltitude = -0.0145439;  // Sun's centre about 50' below the horizon
constexpr double kMeanMotion = 0.017202;         // mean anomaly, radians per day
constexpr double kAnomalyOffset = 0.0574039;
constexpr double kEquationTerm1 = 0.0334405;    // equation of centre, times sin M
constexpr double kEquationTerm2 = 0.000349066;  // times sin 2M
constexpr double kLongitudeOffset = 4.93289;    // longitude of perihelion plus pi
constexpr double kQuadrantNudge = 4.84814e-06;
constexpr double kObliquityCos = 0.91746;
constexpr double kObliquitySin = 0.39782;
constexpr double kSiderealRate = 0.0172028;
constexpr double kSiderealOffset = 1.73364;
constexpr double kRadToHours = 3.81972;

// Whole model turns added or taken off one at a time. Unlike 360, the model's turn is not a
// multiple of the spacing of doubles beyond 8, so a step from above two turns rounds; the
// frozen times depend on those steps, and an exact remainder would move some in the last bit.
double ReduceTurn(double x) {
  while (x < 0) x += kFullTurn;
  while (x >= kFullTurn) x -= kFullTurn;
  return x;
}

// The offset in hours, as the model takes it.
double ZoneOffsetHours(seconds utcOffset) {
  double z = static_cast<double>(utcOffset.count()) / 3600.0;
  if (z == 13.0) z = -11.0;  // the one wrap the clock makes: +13 h reads as -11 h
  return z;
}

// The Sun at a rough event time: hour angle cosine x and the local clock time in radians.
struct EventSolution {
  double x;      // cosine of the hour angle; no crossing of the altitude when |x| >= 1
  double local;  // local clock time of the event, radians of a day; only when |x| < 1
};

// One rise or set from the low-precision solar model of the Almanac for Computers, 1990
// (Nautical Almanac Office, USNO: mean anomaly, equation of centre, fixed obliquity); within
// 6 minutes of a high-precision ephemeris at latitudes 0 to 60 over 1901 to 2050.
EventSolution SolveEvent(double eventAngle, bool isRise, int dayIndex, double latitudeRad,
                         double longitudeRad, double zoneRad) {
  const double t = dayIndex + (eventAngle - longitudeRad) / kFullTurn;
  const double m = kMeanMotion * t - kAnomalyOffset;
  double l = ReduceTurn(m + kEquationTerm1 * std::sin(m) + kEquationTerm2 * std::sin(2 * m) +
                        kLongitudeOffset);
  const double quarters = l / kQuarterTurn;
  if (quarters == std::floor(quarters)) l += kQuadrantNudge;  // keeps tan L finite

  double ra = std::atan(kObliquityCos * std::sin(l) / std::cos(l));
  if (l > kThreeQuarterTurns) {
    ra += kFullTurn;
  } else if (l > kQuarterTurn) {
    ra += kHalfTurn;
  }
  const double sinDec = kObliquitySin * std::sin(l);
  const double dec = std::atan(sinDec / std::sqrt(1 - sinDec * sinDec));
  const double x = (kSinRiseAltitude - std::sin(dec) * std::sin(latitudeRad)) /
                   (std::cos(dec) * std::cos(latitudeRad));
  if (std::abs(x) >= 1) return {x, 0.0};

  double h = kQuarterTurn - std::atan(x / std::sqrt(1 - x * x));
  if (isRise) h = kFullTurn - h;
  const double localSidereal = h + ra - kSiderealRate * t - kSiderealOffset;
  return {x, ReduceTurn(localSidereal - longitudeRad + zoneRad)};
}

// The date at the clock time, whole minutes; a minute of 60 or an hour of 24 carries.
core::LocalTime ClockTime(local_days date, double localRad) {
  const double clockHours = localRad * kRadToHours;
  const int h = static_cast<int>(clockHours);
  const int n = static_cast<int>(60 * (clockHours - h) + 0.5);
  return date + hours{h} + minutes{n};
}

}  // namespace

int DayIndex(year_month_day date) {
  return static_cast<int>((sys_days{date} - sys_days{date.year() / January / 1}).count());
}

std::optional<SunEvents> SunRiseSet(year_month_day date, double latitude, double longitudeEast,
                                    seconds utcOffset) {
  if (!date.ok()) return std::nullopt;
  const local_days localDate{date};
  const double latitudeRad = latitude * kDegToRad;
  const double longitudeRad = longitudeEast * kDegToRad;
  const double zoneRad = ZoneOffsetHours(utcOffset) * kHoursToRad;
  const int n = DayIndex(date);

  const EventSolution rise = SolveEvent(kQuarterTurn, true, n, latitudeRad, longitudeRad, zoneRad);
  const EventSolution set =
      SolveEvent(kThreeQuarterTurns, false, n, latitudeRad, longitudeRad, zoneRad);

  // Polar day or night: the first event whose altitude is never crossed decides the day.
  const double polarX = std::abs(rise.x) >= 1 ? rise.x : set.x;
  if (std::abs(polarX) >= 1) {
    if (polarX <= -1)  // the Sun stays above the rise altitude all day
      return SunEvents{SunDay::NeverSets, localDate, localDate + days{1}};
    return SunEvents{SunDay::NeverRises, localDate + hours{12}, localDate + hours{12}};
  }

  const core::LocalTime sunrise = ClockTime(localDate, rise.local);
  core::LocalTime sunset = ClockTime(localDate, set.local);
  if (sunset <= sunrise) sunset += days{1};  // the clock has passed midnight before sunset
  return SunEvents{SunDay::RisesAndSets, sunrise, sunset};
}

}  // namespace sky

#include "panchanga/panchanga.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "dasha/nakshatra.h"
#include "ephemeris/angles.h"

namespace panchanga {

namespace {

using namespace std::chrono;

constexpr std::array<std::string_view, 15> kTithiNames = {
    "Pratipada", "Dwitiya",  "Tritiya",    "Chaturthi",   "Panchami",
    "Shashthi",  "Saptami",  "Ashtami",    "Navami",      "Dashami",
    "Ekadashi",  "Dwadashi", "Trayodashi", "Chaturdashi", "Purnima"};

constexpr std::array<std::string_view, 27> kYogaNames = {
    "Vishkambha", "Priti",  "Ayushman",  "Saubhagya", "Shobhana", "Atiganda", "Sukarma",
    "Dhriti",     "Shula",  "Ganda",     "Vriddhi",   "Dhruva",   "Vyaghata", "Harshana",
    "Vajra",      "Siddhi", "Vyatipata", "Variyan",   "Parigha",  "Shiva",    "Siddha",
    "Sadhya",     "Shubha", "Shukla",    "Brahma",    "Indra",    "Vaidhriti"};

// The seven movable karanas repeat from the 2nd to the 57th of the lunar month; the 1st and
// the last three are fixed.
constexpr std::array<std::string_view, 7> kMovableKaranas = {"Bava", "Balava", "Kaulava", "Taitila",
                                                             "Gara", "Vanija", "Vishti"};
constexpr std::array<std::string_view, 3> kLastKaranas = {"Shakuni", "Chatushpada", "Naga"};

constexpr std::array<std::string_view, 7> kWeekdayNames = {
    "Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"};
constexpr std::array<std::string_view, 7> kWeekdayLords = {"Sun",     "Moon",  "Mars",  "Mercury",
                                                           "Jupiter", "Venus", "Saturn"};

// What an element measures, in degrees growing with time: the Moon's elongation from the Sun,
// the sum of their longitudes, or the Moon's longitude. All three only ever grow (neither
// light moves backwards), which makes every edge a single crossing.
enum class Measure { Elongation, Sum, Moon };

double ValueOf(Measure measure, SunMoon p) {
  switch (measure) {
    case Measure::Elongation:
      return p.moon - p.sun;
    case Measure::Sum:
      return p.moon + p.sun;
    case Measure::Moon:
      break;
  }
  return p.moon;
}

// Degrees a day at least: the slowest Moon less the fastest Sun for the elongation, with a
// margin. A step at this rate is sure to pass an edge the measure has not yet reached.
double LeastRate(Measure measure) {
  switch (measure) {
    case Measure::Elongation:
      return 10.0;
    case Measure::Sum:
      return 12.0;
    case Measure::Moon:
      break;
  }
  return 11.0;
}

constexpr double kSecondsPerDay = 86400;
// The search stops when its estimate moves less than this: it converges faster than linearly,
// so the estimate is then well within this of the crossing, far below the second shown.
constexpr double kResolutionSeconds = 0.01;
constexpr int kMostSteps = 60;

// Where a measure stands at a moment and how fast it moves there, in degrees a day.
struct Track {
  Instant from;
  double value, rate;
};

// The instant the measure passes `edge` degrees (taken modulo 360) near the track's moment: a
// first guess at the track's rate, steps at the least rate until the edge is bracketed, then
// regula falsi with the Illinois weighting. Empty where the sky fails.
std::optional<Instant> Crossing(const Sky& sky, Measure measure, double edge, const Track& track) {
  const auto past = [&](double v) { return std::remainder(v - edge, 360.0); };  // < 0 before
  const auto after = [](Instant t, double degrees, double perDay) {
    return t + duration<double>(degrees / perDay * kSecondsPerDay);
  };
  const auto measureAt = [&](Instant t) -> std::optional<double> {
    const auto p = sky.At(t);
    if (!p) return std::nullopt;
    return past(ValueOf(measure, *p));
  };
  Instant a = track.from, b = after(a, -past(track.value), track.rate);
  double ha = past(track.value);
  if (ha == 0) return a;
  auto hb = measureAt(b);
  for (int step = 0; hb && *hb != 0 && (*hb < 0) == (ha < 0); ++step) {
    if (step == kMostSteps) return std::nullopt;
    // Short of the edge by a step below the resolution: the guess is the crossing.
    if (std::abs(*hb) / LeastRate(measure) * kSecondsPerDay < kResolutionSeconds) return b;
    a = b;
    ha = *hb;
    b = after(b, -ha, LeastRate(measure));
    hb = measureAt(b);
  }
  if (!hb) return std::nullopt;
  for (int step = 0; *hb != 0 && step < kMostSteps; ++step) {
    const Instant t = b - (b - a) * (*hb / (*hb - ha));
    const auto ht = measureAt(t);
    if (!ht) return std::nullopt;
    const bool done = std::abs((t - b).count()) < kResolutionSeconds;
    if ((*ht < 0) != (*hb < 0)) {
      a = b;
      ha = *hb;
    } else {
      ha /= 2;  // Illinois: the end kept twice gives way
    }
    b = t;
    hb = ht;
    if (done) break;
  }
  return b;
}

sys_seconds ToSecond(Instant t) {
  return round<seconds>(t);
}

// The element between the edges (number - 1) * arc and number * arc of the measure.
std::optional<Element> Searched(const Sky& sky, Measure measure, int number, double arc,
                                const Track& track) {
  const auto start = Crossing(sky, measure, (number - 1) * arc, track);
  const auto end = start ? Crossing(sky, measure, number * arc, track) : std::nullopt;
  if (!end) return std::nullopt;
  return Element{number, ToSecond(*start), ToSecond(*end)};
}

// Part 1 .. count of a longitude cut into `count` equal parts from 0°.
int PartOf(double degrees, int count) {
  const int part = static_cast<int>(ephemeris::NormalizedDegrees(degrees) * count / 360);
  return (part < count ? part : count - 1) + 1;
}

}  // namespace

Vara VaraOf(local_seconds birth, std::optional<local_seconds> sunrise) {
  const local_days date = floor<days>(birth);
  if (!sunrise) return {weekday{date}, VaraNote::NoSunrise};
  if (birth < *sunrise) return {weekday{date - days{1}}, VaraNote::BeforeSunrise};
  return {weekday{date}, VaraNote::AfterSunrise};
}

std::optional<Elements> ElementsOf(const Sky& sky, Instant moment) {
  // The rates an hour on give every search a first guess within minutes of its edge.
  constexpr double kHour = 1.0 / 24;
  const auto now = sky.At(moment);
  const auto soon = now ? sky.At(moment + duration<double>(kHour * kSecondsPerDay)) : std::nullopt;
  if (!soon) return std::nullopt;
  const auto track = [&](Measure m) {
    const double value = ValueOf(m, *now);
    const double moved = ephemeris::NormalizedDegrees(ValueOf(m, *soon) - value);
    return Track{moment, value, std::max(moved / kHour, LeastRate(m))};
  };
  // The tithi from the karana, so the two never disagree at an edge.
  const int karana = PartOf(now->moon - now->sun, 60);
  const Track elongation = track(Measure::Elongation);
  const auto tithi = Searched(sky, Measure::Elongation, (karana + 1) / 2, 12, elongation);
  const auto position = dasha::NakshatraOf(now->moon);
  const auto nakshatra =
      position ? Searched(sky, Measure::Moon, position->number, 40.0 / 3, track(Measure::Moon))
               : std::nullopt;
  const auto yoga =
      Searched(sky, Measure::Sum, PartOf(now->moon + now->sun, 27), 40.0 / 3, track(Measure::Sum));
  if (!tithi || !nakshatra || !yoga) return std::nullopt;
  // A karana is half a tithi: one of its edges is the tithi's, the other the tithi's middle.
  const bool firstHalf = karana % 2 == 1;
  const auto middle = Crossing(sky, Measure::Elongation, (tithi->number - 1) * 12 + 6, elongation);
  if (!middle) return std::nullopt;
  Elements out;
  out.tithi = *tithi;
  out.nakshatra = *nakshatra;
  out.yoga = *yoga;
  out.karana = {karana, firstHalf ? tithi->start : ToSecond(*middle),
                firstHalf ? ToSecond(*middle) : tithi->end};
  return out;
}

std::string_view TithiName(int tithi) {
  if (tithi < 1 || tithi > 30) return {};
  if (tithi == 30) return "Amavasya";
  return kTithiNames[static_cast<std::size_t>((tithi - 1) % 15)];
}

std::string_view PakshaName(int tithi) {
  if (tithi < 1 || tithi > 30) return {};
  return tithi <= 15 ? "Shukla" : "Krishna";
}

std::string_view YogaName(int yoga) {
  if (yoga < 1 || yoga > 27) return {};
  return kYogaNames[static_cast<std::size_t>(yoga - 1)];
}

std::string_view KaranaName(int karana) {
  if (karana < 1 || karana > 60) return {};
  if (karana == 1) return "Kimstughna";
  if (karana >= 58) return kLastKaranas[static_cast<std::size_t>(karana - 58)];
  return kMovableKaranas[static_cast<std::size_t>((karana - 2) % 7)];
}

std::string_view WeekdayName(weekday day) {
  return kWeekdayNames[day.c_encoding() % 7];
}

std::string_view WeekdayLord(weekday day) {
  return kWeekdayLords[day.c_encoding() % 7];
}

}  // namespace panchanga

#include "varga/vargas.h"

#include <cmath>
#include <optional>

#include "ephemeris/angles.h"

namespace varga {

namespace {

// What decides where a sign's parts start: nothing (every sign alike), whether the sign is odd
// or even, movable, fixed or dual, or its element. The sign's index modulo 2, 3 or 4 picks the
// start: Aries (0) is odd, movable and fire; Taurus (1) even, fixed and earth; Gemini (2) odd,
// dual and air; Cancer (3) even, movable and water; and so on around the zodiac.
enum class Kind : std::uint8_t { Any = 1, OddEven = 2, Modality = 3, Element = 4 };

// Where the first part's sign is counted from: the body's own sign (offset 0 is the sign
// itself, 4 the 5th from it) or a fixed sign (offset 0 is Aries); each later part takes the
// sign `step` further on.
enum class From : std::uint8_t { Sign, Aries };
struct Start {
  From from = From::Sign;
  std::int8_t offset = 0;
  std::int8_t step = 1;
};

struct Rule {
  Chart chart;
  std::string_view key, name;
  Kind kind;
  std::array<Start, 4>
      starts;  // by the kind's index: odd/even, movable/fixed/dual, fire/earth/air/water
};

constexpr Start Own(std::int8_t offset, std::int8_t step = 1) {
  return {From::Sign, offset, step};
}
constexpr Start Fixed(std::int8_t sign, std::int8_t step = 1) {
  return {From::Aries, sign, step};
}
constexpr std::int8_t kAries = 0, kTaurus = 1, kGemini = 2, kCancer = 3, kLeo = 4, kVirgo = 5,
                      kLibra = 6, kScorpio = 7, kSagittarius = 8, kCapricorn = 9, kAquarius = 10,
                      kPisces = 11;

// The rules of Brihat Parashara Hora Shastra, chapter 6 (docs/vargas.md writes them out).
// The trimshamsha's uneven parts are kTrimshamsha below.
// clang-format off
constexpr std::array<Rule, kChartCount> kRules = {{
    {Chart::D1,  "D1",  "Rashi",            Kind::Any,      {Own(0)}},
    {Chart::D2,  "D2",  "Hora",             Kind::OddEven,  {Fixed(kLeo, -1), Fixed(kCancer, 1)}},
    {Chart::D3,  "D3",  "Drekkana",         Kind::Any,      {Own(0, 4)}},
    {Chart::D4,  "D4",  "Chaturthamsha",    Kind::Any,      {Own(0, 3)}},
    {Chart::D7,  "D7",  "Saptamsha",        Kind::OddEven,  {Own(0), Own(6)}},
    {Chart::D9,  "D9",  "Navamsha",         Kind::Modality, {Own(0), Own(8), Own(4)}},
    {Chart::D10, "D10", "Dashamsha",        Kind::OddEven,  {Own(0), Own(8)}},
    {Chart::D12, "D12", "Dwadashamsha",     Kind::Any,      {Own(0)}},
    {Chart::D16, "D16", "Shodashamsha",     Kind::Modality, {Fixed(kAries), Fixed(kLeo), Fixed(kSagittarius)}},
    {Chart::D20, "D20", "Vimshamsha",       Kind::Modality, {Fixed(kAries), Fixed(kSagittarius), Fixed(kLeo)}},
    {Chart::D24, "D24", "Chaturvimshamsha", Kind::OddEven,  {Fixed(kLeo), Fixed(kCancer)}},
    {Chart::D27, "D27", "Saptavimshamsha",  Kind::Element,  {Fixed(kAries), Fixed(kCancer), Fixed(kLibra), Fixed(kCapricorn)}},
    {Chart::D30, "D30", "Trimshamsha",      Kind::OddEven,  {}},
    {Chart::D40, "D40", "Khavedamsha",      Kind::OddEven,  {Fixed(kAries), Fixed(kLibra)}},
    {Chart::D45, "D45", "Akshavedamsha",    Kind::Modality, {Fixed(kAries), Fixed(kLeo), Fixed(kSagittarius)}},
    {Chart::D60, "D60", "Shashtyamsha",     Kind::Any,      {Own(0)}},
}};
// clang-format on

constexpr bool InChartOrder() {
  for (std::size_t c = 0; c < kRules.size(); ++c)
    if (kRules[c].chart != kCharts[c]) return false;
  return true;
}
static_assert(InChartOrder(), "the rules are listed in the order of kCharts");
constexpr std::size_t kNavamsha = 5;
static_assert(kCharts[kNavamsha] == Chart::D9);

// The trimshamsha: five parts of uneven degrees, the odd signs' and the even signs' own.
struct UnevenPart {
  std::int8_t endDegree, sign;
};
constexpr std::array<std::array<UnevenPart, 5>, 2> kTrimshamsha = {{
    {{{5, kAries}, {10, kAquarius}, {18, kSagittarius}, {25, kGemini}, {30, kLibra}}},
    {{{5, kTaurus}, {12, kVirgo}, {20, kPisces}, {25, kCapricorn}, {30, kScorpio}}},
}};

constexpr std::array<std::string_view, 12> kSignNames = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

// Longitudes in whole micro-arc-seconds: a double near 360° carries about 2e-10", so rounding to
// the micro-arc-second only absorbs the binary form of values such as 3° 20' (10/3 degrees).
constexpr std::int64_t kUnitsPerDegree = 3'600'000'000;
constexpr std::int64_t kUnitsPerSign = 30 * kUnitsPerDegree;
// Within its sign a longitude is then counted in whole 15120ths of the sign, the least number
// every part count divides (2^4 3^3 5 7), and the trimshamsha's degrees too (504 a degree): each
// part edge is a whole number of these, and a position is at or past an edge exactly when its
// whole count is, so every chart's part is an exact integer division. The count is taken half
// a unit on, so that a longitude within half a micro-arc-second below an edge counts as on it:
// an edge at a seventh of a sign is no whole number of units, and the nearest one is on it.
constexpr int kSlices = 15120;
constexpr int kSlicesPerDegree = kSlices / 30;

// A longitude's sign, its whole slices within the sign and the sign's remainders by 1 .. 4 (its
// index in each kind); empty for NaN and infinities.
struct Place {
  int sign, slice;
  std::array<int, 5> kindIndex;
};

std::optional<Place> PlaceOf(double longitude) {
  if (!std::isfinite(longitude)) return std::nullopt;
  const std::int64_t units =
      std::llround(ephemeris::NormalizedDegrees(longitude) * kUnitsPerDegree) %
      (12 * kUnitsPerSign);  // a hair below 360° rounds to 360°, which is 0°
  const int sign = static_cast<int>(units / kUnitsPerSign);
  const int slice =
      static_cast<int>((2 * (units % kUnitsPerSign) + 1) * kSlices / (2 * kUnitsPerSign));
  return Place{sign, slice, {0, 0, sign % 2, sign % 3, sign % 4}};
}

const Rule& RuleOf(Chart chart) {
  for (const Rule& rule : kRules)
    if (rule.chart == chart) return rule;
  return kRules[0];  // not reached: every chart has its rule
}

int TrimshamshaSign(const Place& p) {
  for (const UnevenPart& part : kTrimshamsha[static_cast<std::size_t>(p.sign % 2)])
    if (p.slice < part.endDegree * kSlicesPerDegree) return part.sign;
  return -1;  // not reached: the slice is below 30°
}

int SignInRule(const Rule& rule, const Place& p) {
  if (rule.chart == Chart::D30) return TrimshamshaSign(p);
  const int part = p.slice * static_cast<int>(rule.chart) / kSlices;
  const Start& start =
      rule.starts[static_cast<std::size_t>(p.kindIndex[static_cast<int>(rule.kind)])];
  const int first = start.from == From::Sign ? p.sign + start.offset : start.offset;
  return (first + start.step * part + 120) % 12;  // a step of -1 over two parts stays above 0
}

}  // namespace

std::string_view ChartKey(Chart chart) {
  return RuleOf(chart).key;
}

std::string_view ChartName(Chart chart) {
  return RuleOf(chart).name;
}

int SignIn(Chart chart, double siderealLongitude) {
  const auto place = PlaceOf(siderealLongitude);
  return place ? SignInRule(RuleOf(chart), *place) : -1;
}

std::string_view SignName(int sign) {
  if (sign < 0 || sign > 11) return {};
  return kSignNames[static_cast<std::size_t>(sign)];
}

Vargas VargasOf(const std::array<double, core::kBodyCount>& longitudes) {
  Vargas out;
  for (int body = 0; body < core::kBodyCount; ++body) {
    const auto place = PlaceOf(longitudes[body]);
    for (std::size_t c = 0; c < kRules.size(); ++c)
      out.charts[c][body] = static_cast<std::int8_t>(place ? SignInRule(kRules[c], *place) : -1);
    out.vargottama[body] = place && out.charts[0][body] == out.charts[kNavamsha][body];
  }
  return out;
}

}  // namespace varga

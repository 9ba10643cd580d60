// Every divisional chart at both edges of every part of every sign, against the rule's text
// written again here in another form: a formula per chart from the sign's index s (s % 2 == 0
// odd; s % 3 movable, fixed, dual; s % 4 fire, earth, air, water) and the part p, the navamsha
// from its element rather than its modality, and the trimshamsha's degrees as in its text.
#include "varga/vargas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

using varga::Chart;

const struct {
  Chart chart;
  std::function<int(int s, int p)> sign;
} kRows[] = {
    {Chart::D1, [](int s, int) { return s; }},
    {Chart::D2, [](int s, int p) { return (s % 2 == 0) == (p == 0) ? 4 : 3; }},
    {Chart::D3, [](int s, int p) { return s + 4 * p; }},
    {Chart::D4, [](int s, int p) { return s + 3 * p; }},
    {Chart::D7, [](int s, int p) { return s + (s % 2 ? 6 : 0) + p; }},
    {Chart::D9, [](int s, int p) { return 12 - 3 * (s % 4) + p; }},  // Aries, Capricorn, ...
    {Chart::D10, [](int s, int p) { return s + (s % 2 ? 8 : 0) + p; }},
    {Chart::D12, [](int s, int p) { return s + p; }},
    {Chart::D16, [](int s, int p) { return 4 * (s % 3) + p; }},
    {Chart::D20, [](int s, int p) { return 12 - 4 * (s % 3) + p; }},
    {Chart::D24, [](int s, int p) { return (s % 2 ? 3 : 4) + p; }},
    {Chart::D27, [](int s, int p) { return 3 * (s % 4) + p; }},
    {Chart::D40, [](int s, int p) { return (s % 2 ? 6 : 0) + p; }},
    {Chart::D45, [](int s, int p) { return 4 * (s % 3) + p; }},
    {Chart::D60, [](int s, int p) { return s + p; }},
};

// "odd: 0-5 Aries, 5-10 Aquarius, 10-18 Sagittarius, 18-25 Gemini, 25-30 Libra; even: 0-5
// Taurus, 5-12 Virgo, 12-20 Pisces, 20-25 Capricorn, 25-30 Scorpio", at a whole degree d.
int Trimshamsha(int s, int d) {
  if (s % 2 == 0) return d < 5 ? 0 : d < 10 ? 10 : d < 18 ? 8 : d < 25 ? 2 : 6;
  return d < 5 ? 1 : d < 12 ? 5 : d < 20 ? 11 : d < 25 ? 9 : 7;
}

constexpr double kHair = 1e-3 / 3600;  // a thousandth of an arc-second, in degrees

TEST(Vargas, EveryPartAtBothEdges) {
  for (const auto& row : kRows) {
    const int parts = static_cast<int>(row.chart);
    for (int s = 0; s < 12; ++s)
      for (int p = 0; p < parts; ++p) {
        const double start = 30.0 * s + 30.0 * p / parts, end = 30.0 * s + 30.0 * (p + 1) / parts;
        const int sign = row.sign(s, p) % 12;
        EXPECT_EQ(varga::SignIn(row.chart, start), sign) << start << " in " << parts;
        EXPECT_EQ(varga::SignIn(row.chart, end - kHair), sign)
            << end << " less a hair in " << parts;
      }
  }
  for (int s = 0; s < 12; ++s)  // every whole degree, a start or a middle of a trimshamsha part
    for (int d = 0; d < 30; ++d) {
      EXPECT_EQ(varga::SignIn(Chart::D30, 30.0 * s + d), Trimshamsha(s, d)) << s << " " << d;
      EXPECT_EQ(varga::SignIn(Chart::D30, 30.0 * s + d + 1 - kHair), Trimshamsha(s, d)) << s;
    }
}

TEST(Vargas, TypedEdgesOddInputAndVargottama) {
  const struct {
    Chart chart;
    double longitude;
    int sign;
  } rows[] = {
      {Chart::D9, 3 + 20 / 60.0, 1},             // 3° 20' typed: a hair above 10/3
      {Chart::D9, 13 + 20 / 60.0, 4},            // 13° 20' typed: a hair below 40/3
      {Chart::D7, 30.0 / 7 - 0.6e-6 / 3600, 0},  // more than half a micro-arc-second below
      {Chart::D60, 360 - 1e-12, 0},              // a hair below 360°: Aries's first part
      {Chart::D60, -0.5, 10},                    // Pisces's last part
      {Chart::D9, std::nan(""), -1},
  };
  for (const auto& row : rows)
    EXPECT_EQ(varga::SignIn(row.chart, row.longitude), row.sign) << row.longitude;
  // Aries 1° (a movable sign's first navamsha: Aries), Taurus 1° (fixed: from Capricorn),
  // Taurus 14° (the fifth from Capricorn: Taurus), NaN, ..., Pisces 29° (a dual sign's last,
  // the ninth from Cancer: Pisces).
  const varga::Vargas v = varga::VargasOf({1, 31, 44, std::nan(""), 100, 200, 300, 10, 190, 359});
  EXPECT_EQ(v.vargottama, (std::array<bool, core::kBodyCount>{1, 0, 1, 0, 0, 0, 0, 0, 0, 1}));
  EXPECT_EQ(v.charts[5][2], 1);    // the navamsha, fifth in the charts' order
  EXPECT_EQ(v.charts[15][3], -1);  // D60 of NaN
}

}  // namespace

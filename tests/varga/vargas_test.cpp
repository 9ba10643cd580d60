// Every divisional chart at both edges of every part of every sign, against the rule's text
// written again here in another form: a formula per chart from the sign's index (the navamsha
// from its element rather than its modality) and the trimshamsha's degrees as text.
#include "varga/vargas.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

using varga::Chart;

// The sign of part p (from 0) of sign s (0 = Aries): s % 2 == 0 is odd, s % 3 gives movable,
// fixed, dual, s % 4 fire, earth, air, water.
using Expected = std::function<int(int s, int p)>;

int Trimshamsha(int s, int degree) {
  // "odd: 0-5 Aries, 5-10 Aquarius, 10-18 Sagittarius, 18-25 Gemini, 25-30 Libra; even: 0-5
  // Taurus, 5-12 Virgo, 12-20 Pisces, 20-25 Capricorn, 25-30 Scorpio"
  if (s % 2 == 0) return degree < 5 ? 0 : degree < 10 ? 10 : degree < 18 ? 8 : degree < 25 ? 2 : 6;
  return degree < 5 ? 1 : degree < 12 ? 5 : degree < 20 ? 11 : degree < 25 ? 9 : 7;
}

struct Row {
  Chart chart;
  Expected sign;
};

const Row kRows[] = {
    {Chart::D1, [](int s, int) { return s; }},
    {Chart::D2, [](int s, int p) { return (s % 2 == 0) == (p == 0) ? 4 : 3; }},
    {Chart::D3, [](int s, int p) { return s + 4 * p; }},
    {Chart::D4, [](int s, int p) { return s + 3 * p; }},
    {Chart::D7, [](int s, int p) { return s + (s % 2 ? 6 : 0) + p; }},
    {Chart::D9,
     [](int s, int p) { return (12 - 3 * (s % 4)) + p; }},  // Aries, Capricorn, Libra, Cancer
    {Chart::D10, [](int s, int p) { return s + (s % 2 ? 8 : 0) + p; }},
    {Chart::D12, [](int s, int p) { return s + p; }},
    {Chart::D16, [](int s, int p) { return 4 * (s % 3) + p; }},
    {Chart::D20, [](int s, int p) { return (12 - 4 * (s % 3)) + p; }},
    {Chart::D24, [](int s, int p) { return (s % 2 ? 3 : 4) + p; }},
    {Chart::D27, [](int s, int p) { return 3 * (s % 4) + p; }},
    {Chart::D40, [](int s, int p) { return (s % 2 ? 6 : 0) + p; }},
    {Chart::D45, [](int s, int p) { return 4 * (s % 3) + p; }},
    {Chart::D60, [](int s, int p) { return s + p; }},
};

// A thousandth of an arc-second below an edge, in degrees.
constexpr double kHair = 1e-3 / 3600;

TEST(Vargas, EveryPartAtBothEdges) {
  for (const Row& row : kRows) {
    const int parts = static_cast<int>(row.chart);
    for (int s = 0; s < 12; ++s)
      for (int p = 0; p < parts; ++p) {
        const double start = 30.0 * s + 30.0 * p / parts, end = 30.0 * s + 30.0 * (p + 1) / parts;
        const int expected = row.sign(s, p) % 12;
        const std::string where = std::string(varga::ChartKey(row.chart)) + " sign " +
                                  std::to_string(s) + " part " + std::to_string(p);
        EXPECT_EQ(varga::SignIn(row.chart, start), expected) << where << " at its start";
        EXPECT_EQ(varga::SignIn(row.chart, end - kHair), expected) << where << " below its end";
      }
  }
}

TEST(Vargas, TrimshamshaAtEveryWholeDegree) {
  for (int s = 0; s < 12; ++s)
    for (int degree = 0; degree < 30; ++degree) {
      const double longitude = 30.0 * s + degree;
      EXPECT_EQ(varga::SignIn(Chart::D30, longitude), Trimshamsha(s, degree)) << longitude;
      EXPECT_EQ(varga::SignIn(Chart::D30, longitude + 1 - kHair), Trimshamsha(s, degree))
          << longitude << " + 1 less a hair";
    }
}

TEST(Vargas, TypedEdgesAndOddInput) {
  const struct {
    const char* name;
    Chart chart;
    double longitude;
    int sign;
  } rows[] = {
      {"3° 20' typed, a hair above 10/3", Chart::D9, 3 + 20 / 60.0, 1},
      {"13° 20' typed, a hair below 40/3", Chart::D9, 13 + 20 / 60.0, 4},
      {"a seventh of Aries", Chart::D7, 30.0 / 7, 1},
      {"half a micro-arc-second below a seventh", Chart::D7, 30.0 / 7 - 0.6e-6 / 3600, 0},
      {"a hair below 360° is Aries's first part", Chart::D60, 360 - 1e-12, 0},
      {"-0.5° is Pisces's last part", Chart::D60, -0.5, 10},
      {"720° is Aries", Chart::D9, 720, 0},
      {"NaN", Chart::D9, std::nan(""), -1},
      {"infinity", Chart::D1, std::numeric_limits<double>::infinity(), -1},
  };
  for (const auto& row : rows)
    EXPECT_EQ(varga::SignIn(row.chart, row.longitude), row.sign) << row.name;
}

TEST(Vargas, AllChartsAndVargottama) {
  // Aries 1° (first navamsha of a movable sign: Aries), Taurus 1° (fixed: from Capricorn),
  // Taurus 14° (fifth navamsha from Capricorn: Taurus), NaN, ..., Pisces 29° (a dual sign's
  // last navamsha, the ninth from Cancer: Pisces).
  std::array<double, core::kBodyCount> longitudes{1,   31,  44, std::nan(""), 100,
                                                  200, 300, 10, 190,          359};
  const varga::Vargas v = varga::VargasOf(longitudes);
  const std::array<bool, core::kBodyCount> vargottama{true,  false, true,  false, false,
                                                      false, false, false, false, true};
  EXPECT_EQ(v.vargottama, vargottama);
  for (std::size_t c = 0; c < varga::kCharts.size(); ++c)
    for (int body = 0; body < core::kBodyCount; ++body)
      EXPECT_EQ(v.charts[c][body], varga::SignIn(varga::kCharts[c], longitudes[body]))
          << varga::ChartKey(varga::kCharts[c]) << " body " << body;
}

}  // namespace

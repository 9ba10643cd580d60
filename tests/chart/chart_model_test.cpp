// The chart a reading fills, against worked examples; and the box a style gives a sign.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "chart/chart_style.h"
#include "reading/reading.h"

namespace {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

// A birth at Delhi on Indian time.
core::FormEntries Delhi(int month, const char* day, const char* year, const char* hour,
                        const char* minute) {
  return {.txtName = "EXAMPLE",
          .cboMonth = month - 1,
          .cboDate = day,
          .cboYear = year,
          .cboHH = hour,
          .cboMM = minute,
          .txtMCity = "Delhi",
          .cmbTimeZone = 34,
          .txtLonD = "77",
          .txtLonM = "13",
          .txtLatD = "28",
          .txtLatM = "39"};
}

TEST(ChartModel, HoldsWhatTheReadingComputed) {
  const struct {
    const char* name;
    core::FormEntries entries;
    std::array<int, 10> signs;  // Sun .. Ketu, the Lagna
    std::set<int> retrograde;
  } examples[] = {
      // India's independence, 15 August 1947 00:00 Delhi, as astrologers publish it: Taurus
      // rising with Rahu, five planets in Cancer, none retrograde.
      {"India 1947",
       Delhi(8, "15", "1947", "0", "0"),
       {Can, Can, Can, Can, Gem, Lib, Can, Tau, Sco, Tau},
       {}},
      // 7 March 1984 10:05: Saturn turned retrograde on 24 February 1984 (almanac).
      {"Delhi 1984",
       Delhi(3, "7", "1984", "10", "5"),
       {Aqu, Ari, Aqu, Cap, Sco, Sag, Lib, Tau, Sco, Tau},
       {6}}};
  // Both rise in Taurus: shaded are Taurus and the fixed signs that pierce it.
  const std::set<int> highlighted = {Tau, Leo, Sco, Aqu};
  for (const auto& example : examples) {
    core::BirthRecord record;
    core::ResultSheet sheet;
    ASSERT_FALSE(reading::RunReading(example.entries, record, sheet)) << example.name;
    ASSERT_TRUE(sheet.chart) << example.name;
    EXPECT_EQ(sheet.chart->LagnaSign(), example.signs[9]) << example.name;
    for (int sign = 0; sign < 12; ++sign) {
      const core::ChartSign& held = sheet.chart->signs[static_cast<std::size_t>(sign)];
      std::vector<int> expected, bodies;
      for (int body = 0; body < 10; ++body)
        if (example.signs[static_cast<std::size_t>(body)] == sign) expected.push_back(body);
      for (const core::ChartBody& body : held.bodies) {
        bodies.push_back(body.body);
        EXPECT_EQ(body.retrograde, example.retrograde.contains(body.body)) << body.body;
      }
      EXPECT_EQ(bodies, expected) << example.name << " sign " << sign;
      EXPECT_EQ(held.highlighted, highlighted.contains(sign)) << example.name << " sign " << sign;
    }
  }
}

TEST(ChartStyle, GivesEachSignItsBox) {
  // Box b of a style of houses holds house b + 1: the Lagna's sign box 0, the sign before it 11.
  const chart::ChartStyle houses{"houses",
                                 {},
                                 std::vector<chart::StyleBox>(12),
                                 chart::BoxOrder::ByHouse,
                                 {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11},
                                 {},
                                 {}};
  const chart::ChartStyle& pataki = chart::PatakiStyle();
  const struct {
    const char* name;
    const chart::ChartStyle& style;
    int sign, lagna, box;
  } cases[] = {
      {"house 1 of a Taurus Lagna", houses, Tau, Tau, 0},
      {"house 12 of a Taurus Lagna", houses, Ari, Tau, 11},
      {"house 2 of a Pisces Lagna", houses, Ari, Pis, 1},
      {"houses without a Lagna count from Aries", houses, Leo, -1, 4},
      {"the Pataki style's signs stay where they are", pataki, Leo, Sco, Leo},
  };
  for (const auto& c : cases)
    EXPECT_EQ(&chart::BoxOfSign(c.style, c.sign, c.lagna),
              &c.style.boxes[static_cast<std::size_t>(c.box)])
        << c.name;
}

}  // namespace

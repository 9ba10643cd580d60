// The chart a reading fills, against worked examples; and the box a style gives a sign.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "chart/chart_style.h"
#include "core/birth_record.h"
#include "core/result_sheet.h"
#include "reading/reading.h"

namespace {

enum Sign { Ari, Tau, Gem, Can, Leo, Vir, Lib, Sco, Sag, Cap, Aqu, Pis };

struct Example {
  const char* name;
  core::FormEntries entries;
  std::array<int, 10> signs;  // Sun .. Ketu, the Lagna
  std::set<int> retrograde;
  std::set<int> highlighted;  // the Lagna's sign and its three vedha signs
};

core::FormEntries Delhi(int month, const char* day, const char* year, const char* hour,
                        const char* minute) {
  core::FormEntries e;
  e.txtName = "EXAMPLE";
  e.cboMonth = month - 1;
  e.cboDate = day, e.cboYear = year, e.cboHH = hour, e.cboMM = minute;
  e.txtMCity = e.txtMState = "Delhi", e.txtMCountry = "India";
  e.cmbTimeZone = 34;
  e.txtLonD = "77", e.txtLonM = "13", e.txtLatD = "28", e.txtLatM = "39";
  return e;
}

TEST(ChartModel, HoldsWhatTheReadingComputed) {
  const Example examples[] = {
      // India's independence, 15 August 1947 00:00 Delhi, as astrologers publish it: Taurus
      // rising with Rahu, five planets in Cancer, no planet retrograde.
      {"India 1947",
       Delhi(8, "15", "1947", "0", "0"),
       {Can, Can, Can, Can, Gem, Lib, Can, Tau, Sco, Tau},
       {},
       {Tau, Leo, Sco, Aqu}},
      // 7 March 1984 10:05 Delhi: Saturn turned retrograde on 24 February 1984 (almanac), in
      // Libra; a sign (Scorpio) shared by Mars and Ketu.
      {"Delhi 1984",
       Delhi(3, "7", "1984", "10", "5"),
       {Aqu, Ari, Aqu, Cap, Sco, Sag, Lib, Tau, Sco, Tau},
       {6},
       {Tau, Leo, Sco, Aqu}},
  };
  for (const Example& example : examples) {
    core::BirthRecord record;
    core::ResultSheet sheet;
    ASSERT_FALSE(reading::RunReading(example.entries, record, sheet)) << example.name;
    ASSERT_TRUE(sheet.chart) << example.name;
    const core::ChartModel& chart = *sheet.chart;
    EXPECT_EQ(chart.LagnaSign(), example.signs[9]) << example.name;
    for (int sign = 0; sign < 12; ++sign) {
      std::vector<int> expected, held;
      for (int body = 0; body < 10; ++body)
        if (example.signs[static_cast<std::size_t>(body)] == sign) expected.push_back(body);
      for (const core::ChartBody& body : chart.signs[static_cast<std::size_t>(sign)].bodies) {
        held.push_back(body.body);
        EXPECT_EQ(body.retrograde, example.retrograde.count(body.body) == 1)
            << example.name << " body " << body.body;
        EXPECT_EQ(body.longitude, record.Longitudes[static_cast<std::size_t>(body.body)]);
      }
      EXPECT_EQ(held, expected) << example.name << " sign " << sign;
      EXPECT_EQ(chart.signs[static_cast<std::size_t>(sign)].highlighted,
                example.highlighted.count(sign) == 1)
          << example.name << " sign " << sign;
    }
  }
}

TEST(ChartStyle, GivesEachSignItsBox) {
  // A style of houses: box b holds house b + 1, so the Lagna's sign is in box 0 and the sign
  // before it in box 11, whatever the Lagna.
  chart::ChartStyle houses{"houses",
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
      {"house 12 of an Aries Lagna", houses, Pis, Ari, 11},
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

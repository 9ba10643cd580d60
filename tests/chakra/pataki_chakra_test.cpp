// The vedha table, the chart fill and the vedha analysis of the Lagna and the Rashi.
#include "chakra/pataki_chakra.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "chart_fixture.h"
#include "ephemeris/calendar_angles.h"

namespace {

using chakra::AnalyseVedha;
using chakra::VedhaSigns;
using chakra_test::BodySigns;
using chakra_test::ChartRecord;
using Names = std::vector<std::string>;

int Sign(std::string_view abbreviation) {
  return ephemeris::SignIndex(abbreviation);
}

// The links by their rule: the fixed signs pierce one another; a movable sign the dual signs
// but the one two places after it; a dual sign the movable signs but the one two places
// before it.
std::set<int> LinkedByRule(int sign) {
  const auto kind = sign % 3;  // 0 movable, 1 fixed, 2 dual
  std::set<int> linked;
  for (int other = 0; other < 12; ++other) {
    if (other == sign) continue;
    if (kind == 1 && other % 3 == 1) linked.insert(other);
    if (kind == 0 && other % 3 == 2 && other != (sign + 2) % 12) linked.insert(other);
    if (kind == 2 && other % 3 == 0 && other != (sign + 10) % 12) linked.insert(other);
  }
  return linked;
}

TEST(VedhaTable, EverySignHasTheThreeSignsItsKindLinks) {
  for (int sign = 0; sign < 12; ++sign) {
    const auto row = VedhaSigns(sign);
    const std::set<int> linked(row.begin(), row.end());
    EXPECT_EQ(linked, LinkedByRule(sign)) << "sign " << ephemeris::SignAbbreviation(sign);
    for (const int other : row) {
      const auto back = VedhaSigns(other);
      EXPECT_NE(std::find(back.begin(), back.end(), sign), back.end())
          << ephemeris::SignAbbreviation(other) << " does not list "
          << ephemeris::SignAbbreviation(sign);
    }
  }
}

TEST(VedhaTable, SlotOrderIsTheTablesNotTheZodiacs) {
  struct Row {
    const char* sign;
    std::array<const char*, 3> slots;
  };
  for (const Row& row : {Row{"Ari", {"Vir", "Sag", "Pis"}}, Row{"Can", {"Sag", "Pis", "Gem"}},
                         Row{"Leo", {"Tau", "Sco", "Aqu"}}, Row{"Vir", {"Lib", "Cap", "Ari"}},
                         Row{"Sco", {"Aqu", "Tau", "Leo"}}, Row{"Aqu", {"Tau", "Leo", "Sco"}}}) {
    const std::array<int, 3> expected{Sign(row.slots[0]), Sign(row.slots[1]), Sign(row.slots[2])};
    EXPECT_EQ(VedhaSigns(Sign(row.sign)), expected) << row.sign;
  }
}

TEST(VedhaTable, NoSignGivesNoLinks) {
  EXPECT_EQ(VedhaSigns(-1), (std::array<int, 3>{-1, -1, -1}));
  EXPECT_EQ(VedhaSigns(12), (std::array<int, 3>{-1, -1, -1}));
}

TEST(ChartFill, BoxesListTheirBodiesInBodyOrderWithRetrogradeMarks) {
  //                        Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  auto record = ChartRecord({"Ari", "Tau", "Ari", "Gem", "Can", "Leo", "Vir", "Lib", "Ari", "Pis"});
  record.BodyNames[2] = "Mercury (R) ";
  core::ResultSheet sheet;
  sheet.SetCaption("lblAries", "left from before");
  chakra::FillPatakiChakra(record, sheet);

  EXPECT_EQ(sheet.Caption("lblAries"), "\r\nSun\r\nMercury (R) \r\nKetu");
  EXPECT_EQ(sheet.Caption("lblTaurus"), "\r\nMoon");
  EXPECT_EQ(sheet.Caption("lblPisces"), "\r\nAsc");
  for (const auto label : {"lblScorpio", "lblSagattarius", "lblCapricorn", "lblAquarius"})
    EXPECT_EQ(sheet.Caption(label), "") << label;
  for (int k = 0; k < core::kBodyCount; ++k) {
    EXPECT_EQ(sheet.Caption(core::PositionLabel(k)), record.PositionTexts[k]) << "body " << k;
    EXPECT_EQ(record.ChartTexts[k], record.PositionTexts[k]) << "body " << k;
  }
}

TEST(ChartFill, SunAndAscendantShareABox) {
  auto record = ChartRecord({"Gem", "Tau", "Can", "Can", "Can", "Leo", "Vir", "Lib", "Ari", "Gem"});
  core::ResultSheet sheet;
  chakra::FillPatakiChakra(record, sheet);
  EXPECT_EQ(sheet.Caption("lblGemini"), "\r\nSun\r\nAsc");
}

std::vector<std::string> Highlighted(const core::ResultSheet& sheet) {
  std::vector<std::string> boxes;
  for (std::size_t s = 0; s < 12; ++s)
    if (sheet.Highlighted(static_cast<int>(s))) boxes.emplace_back(core::kSignPictureBoxes[s]);
  return boxes;
}

TEST(ChartFill, HighlightsTheLagnaSignAndItsVedhaSigns) {
  struct Case {
    const char* name;
    const char* lagna;
    std::vector<std::string> boxes;
  };
  for (const auto& c : {
           Case{"Scorpio", "Sco", {"picTaurus", "picLeo", "picScorpio", "picAquarius"}},
           Case{"Aries", "Ari", {"picAries", "picVirgo", "picSagittarius", "picPisces"}},
           Case{"Gemini", "Gem", {"picGemini", "picCancer", "picLibra", "picCapricorn"}},
           Case{"no sign", "Xyz", {}},
       }) {
    auto record =
        ChartRecord({"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sag", "Gem", c.lagna});
    core::ResultSheet sheet;
    chakra::FillPatakiChakra(record, sheet);
    EXPECT_EQ(Highlighted(sheet), c.boxes) << c.name;
  }
}

TEST(ChartFill, ABodyWithoutASignIsNotPlaced) {
  auto record = ChartRecord({"Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sag", "Gem", "Pis"});
  record.Longitudes[0] = 360;  // from a full turn on, a longitude has no sign
  record.PositionTexts[0] = ephemeris::PositionText(360);
  core::ResultSheet sheet;
  chakra::FillPatakiChakra(record, sheet);
  EXPECT_EQ(sheet.Caption("lblAries"), "");
  EXPECT_EQ(sheet.Caption("planet(0)"), "00 0\" 00");
}

struct AnalysisCase {
  const char* name;
  int target;
  BodySigns signs;
  bool vedha;
  Names occupants;
  int malefics, benefics;
};

TEST(VedhaAnalysis, Cases) {
  //  Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  const AnalysisCase cases[] = {
      {"Lagna Aries, Virgo and Sagittarius held, Pisces empty",
       core::kLagna,
       {"Vir", "Sag", "Vir", "Sag", "Ari", "Tau", "Gem", "Can", "Cap", "Ari"},
       false,
       {},
       0,
       0},
      {"Lagna Aries, Mars before Rahu by body index",
       core::kLagna,
       {"Tau", "Vir", "Tau", "Tau", "Pis", "Tau", "Sag", "Pis", "Vir", "Ari"},
       true,
       {"Moon", "Ketu", "Saturn", "Mars", "Rahu"},
       4,
       1},
      {"Lagna Leo, Taurus's occupants first",
       core::kLagna,
       {"Aqu", "Sco", "Ari", "Ari", "Ari", "Tau", "Ari", "Ari", "Lib", "Leo"},
       true,
       {"Jupiter", "Moon", "Sun"},
       1,
       2},
      {"Lagna Aries, five malefics",
       core::kLagna,
       {"Sag", "Ari", "Ari", "Ari", "Pis", "Ari", "Sag", "Vir", "Pis", "Ari"},
       true,
       {"Rahu", "Sun", "Saturn", "Mars", "Ketu"},
       5,
       0},
      {"Rashi Cancer, the Lagna point adds an empty name",
       core::kMoon,
       {"Ari", "Can", "Ari", "Pis", "Ari", "Sag", "Ari", "Tau", "Sco", "Gem"},
       true,
       {"Jupiter", "Venus", ""},
       0,
       2},
      {"Rashi Aries, Ketu Mars Rahu in slot order",
       core::kMoon,
       {"Ari", "Ari", "Ari", "Ari", "Sag", "Ari", "Ari", "Pis", "Vir", "Tau"},
       true,
       {"Ketu", "Mars", "Rahu"},
       3,
       0},
      {"Rashi without a sign",
       core::kMoon,
       {"Ari", "Xyz", "Ari", "Ari", "Sag", "Ari", "Ari", "Pis", "Vir", "Tau"},
       false,
       {},
       0,
       0},
  };
  for (const auto& c : cases) {
    const auto finding = AnalyseVedha(ChartRecord(c.signs), c.target);
    EXPECT_EQ(finding.target, c.target) << c.name;
    EXPECT_EQ(finding.HasVedha(), c.vedha) << c.name;
    EXPECT_EQ(finding.OccupantList, c.occupants) << c.name;
    EXPECT_EQ(finding.MaleficCount, c.malefics) << c.name;
    EXPECT_EQ(finding.BeneficCount, c.benefics) << c.name;
  }
}

TEST(VedhaAnalysis, SlotsKeepTheirOccupantsEvenWithoutVedha) {
  //                              Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  const auto finding = AnalyseVedha(
      ChartRecord({"Vir", "Sag", "Vir", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari", "Ari"}),
      core::kLagna);
  EXPECT_EQ(finding.occupied, (std::array<bool, 3>{true, true, false}));
  EXPECT_EQ(finding.occupants[0], (Names{"Sun", "Mercury"}));
  EXPECT_EQ(finding.occupants[1], (Names{"Moon"}));
  EXPECT_TRUE(finding.occupants[2].empty());
  EXPECT_TRUE(finding.OccupantList.empty());
}

TEST(DandadhipatiPlacement, Cases) {
  struct Case {
    const char* name;
    const char* dandadhipati;
    bool inLagna, inRashi;
  };
  //                              Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  auto record = ChartRecord({"Leo", "Tau", "Gem", "Can", "Lib", "Vir", "Lib", "Tau", "Sco", "Lib"});
  for (const auto& c : {
           Case{"Moon is always in the Rashi", "Moon", false, true},
           Case{"Mars in the Lagna sign", "Mars", true, false},
           Case{"Rahu beside the Moon", "Rahu", false, true},
           Case{"Sun elsewhere", "Sun", false, false},
           Case{"no lord found: the Lagna point's empty name is no lord", "", false, false},
       }) {
    record.Dandadhipati = c.dandadhipati;
    EXPECT_EQ(chakra::IsDandadhipatiPlacedIn(record, core::kLagna), c.inLagna) << c.name;
    EXPECT_EQ(chakra::IsDandadhipatiPlacedIn(record, core::kMoon), c.inRashi) << c.name;
  }
}

}  // namespace

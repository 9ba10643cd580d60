// The reading text: the vedha blocks of the Lagna and the Rashi, the planets' effects, the
// Dandadhipati sentences and the five result labels.
#include "chakra/vedha_reading.h"

#include <gtest/gtest.h>

#include <string>

#include "chart_fixture.h"

namespace {

using chakra_test::BodySigns;
using chakra_test::ChartRecord;

const std::string kLagnaHeading =
    "Cause Vedha To The Lagna\r\nVedha of Lagna is related to intelligence issues";
const std::string kRashiHeading =
    "Cause Vedha To The Rashi\r\nVedha of moon is related to health related issues.";
const std::string kTroubles =
    "\r\nYou may face a lot of troubles and tensions in areas associated with the planet";
const std::string kDesirable =
    "\r\nYou may have desirable results in areas associated with the planet";
const std::string kMixed =
    "\r\nYou may have desirable results in areas associated with the benefic planet and you may "
    "face a lot of troubles and tensions in areas associated with the malefic planet ";

const std::string kSunLine = "Vedha from Sun :- Bile related problems; fever; mental tensions";
const std::string kMarsLine = "Vedha from Mars :- Blood disorders; accidents; fights; short temper";
const std::string kJupiterLine =
    "Vedha from Jupiter :- Elevation of status; mental peace; child birth; prosperity";
const std::string kVenusLine = "Vedha from Venus :- Income; wealth; sensual pleasures";
const std::string kRahuLine = "Vedha from Rahu :- Loss of honor; loss of wealth; phobias";
const std::string kKetuLine = "Vedha from Ketu :- Ill health; poor digestion; depression";

core::ResultSheet Compose(core::BirthRecord& record) {
  core::ResultSheet sheet;
  chakra::ComposeVedhaReading(record, sheet);
  return sheet;
}

struct BlockCase {
  const char* name;
  BodySigns signs;
  std::string lagnaBlock, rashiBlock, effectLines;
};

TEST(VedhaReading, ReadingBlocks) {
  //  Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  const BlockCase cases[] = {
      {"Lagna Taurus pierced by Sun, Rahu and Saturn",
       {"Leo", "Gem", "Vir", "Can", "Ari", "Tau", "Aqu", "Sco", "Tau", "Tau"},
       kLagnaHeading + kTroubles + "\r\nVedha to Lagna from 3 Malefic Planet" +
           "\r\nYou will face extreme problems.",
       "",
       ""},
      {"Rashi Aries pierced by Mars, Jupiter and the Lagna point",
       {"Tau", "Ari", "Tau", "Gem", "Vir", "Sag", "Cap", "Leo", "Aqu", "Pis"},
       "",
       kRashiHeading + "\r\nVedha to Rashi from 1 Malefic Planet" +
           "\r\nYou may face many problems and obstacles." +
           "\r\nVedha to Rashi from Benefic and Malefic Planets" + kMixed,
       kMarsLine + "\r\n" + kJupiterLine},
      {"Lagna Gemini pierced by Jupiter, Venus and Mercury",
       {"Sag", "Ari", "Cap", "Lib", "Ari", "Can", "Ari", "Tau", "Sco", "Gem"},
       kLagnaHeading + kDesirable,
       "",
       ""},
      {"Rashi Aries pierced by two malefics and a benefic",
       {"Ari", "Ari", "Ari", "Sag", "Cap", "Gem", "Lib", "Pis", "Vir", "Tau"},
       "",
       kRashiHeading + "\r\nVedha to Rashi from 2 Malefic Planet" +
           "\r\nYou may face come physical ailments" +
           "\r\nVedha to Rashi from Benefic and Malefic Planets" + kMixed,
       kKetuLine + "\r\n" + kVenusLine + "\r\n" + kRahuLine},
      {"Lagna Aries pierced by four malefics",
       {"Vir", "Tau", "Lib", "Leo", "Ari", "Ari", "Sag", "Pis", "Vir", "Ari"},
       kLagnaHeading + kTroubles,
       "",
       ""},
      {"Lagna Aries pierced by four malefics and a benefic",
       {"Vir", "Tau", "Lib", "Leo", "Ari", "Sag", "Sag", "Pis", "Vir", "Ari"},
       kLagnaHeading + "\r\nVedha to Lagna from Benefic and Malefic Planets" + kMixed,
       "",
       ""},
      {"Rashi Aries pierced by Ketu, Mars and Rahu in slot order",
       {"Ari", "Ari", "Ari", "Ari", "Sag", "Ari", "Ari", "Pis", "Vir", "Tau"},
       "",
       kRashiHeading + kTroubles + "\r\nVedha to Rashi from 3 Malefic Planet" +
           "\r\nYou will face extreme problems.",
       kKetuLine + "\r\n" + kMarsLine + "\r\n" + kRahuLine},
      {"Lagna and Rashi in Aries, both pierced by five malefics",
       {"Sag", "Ari", "Ari", "Ari", "Pis", "Ari", "Sag", "Vir", "Pis", "Ari"},
       kLagnaHeading + kTroubles,
       kRashiHeading + kTroubles,
       kRahuLine + "\r\n" + kSunLine +
           "\r\nVedha from Saturn :- Physical ailments; loss of stature; problems\r\n" + kMarsLine +
           "\r\n" + kKetuLine},
  };
  for (const auto& c : cases) {
    auto record = ChartRecord(c.signs);
    const auto sheet = Compose(record);
    ASSERT_EQ(sheet.RTB.size(), 6u) << c.name;
    EXPECT_EQ(sheet.RTB[2].text, c.lagnaBlock + "\r\n\r\n") << c.name;
    EXPECT_EQ(sheet.RTB[4].text, c.rashiBlock + "\r\n\r\n") << c.name;
    EXPECT_EQ(sheet.RTB[5].text, c.effectLines + "\r\n") << c.name;
  }
}

TEST(VedhaReading, AChartWithoutVedhaGivesHeadingsAndEmptyLines) {
  //                        Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  auto record = ChartRecord({"Ari", "Tau", "Ari", "Ari", "Ari", "Ari", "Ari", "Gem", "Sag", "Ari"});
  record.PeriodName = "Ratrimana";
  record.Yamardhapati = "Jupiter";
  record.Dandadhipati = "Mars";
  record.LagnaName = "Mesha";
  record.RashiName = "Vrishabha";
  const auto sheet = Compose(record);

  const core::Rgb green = core::kReadingTextColour;
  const std::vector<core::TextRun> expected = {
      {"More About Vedha and Dandadhipati\r\n\r\n", true, green},
      {"Dandadhipati Is Placed In The Lagna\r\n", true, green},
      {"\r\n\r\n", false, green},
      {"Dandadhipati Is Not Placed In The Rashi\r\n", true, green},
      {"\r\n\r\n", false, green},
      {"\r\n", false, green},
  };
  EXPECT_EQ(sheet.RTB, expected);
  EXPECT_EQ(green, (core::Rgb{0, 255, 0}));
  EXPECT_EQ(sheet.Caption("lblPeriod"), "Ratrimana");
  EXPECT_EQ(sheet.Caption("lblYamardhapati"), "Jupiter");
  EXPECT_EQ(sheet.Caption("lblDandadhipati"), "Mars");
  EXPECT_EQ(sheet.Caption("lblLagna"), "Mesha");
  EXPECT_EQ(sheet.Caption("lblRashi"), "Vrishabha");
}

TEST(VedhaReading, DandadhipatiSentences) {
  struct Case {
    const char* dandadhipati;
    const char* lagnaLine;
    const char* rashiLine;
  };
  //                        Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  auto record = ChartRecord({"Leo", "Tau", "Leo", "Vir", "Can", "Tau", "Can", "Gem", "Sag", "Can"});
  for (const auto& c : {
           Case{"Moon", "Dandadhipati Is Not Placed In The Lagna\r\n",
                "Dandadhipati Is Placed In The Rashi\r\n"},
           Case{"Saturn", "Dandadhipati Is Placed In The Lagna\r\n",
                "Dandadhipati Is Not Placed In The Rashi\r\n"},
           Case{"Jupiter", "Dandadhipati Is Not Placed In The Lagna\r\n",
                "Dandadhipati Is Placed In The Rashi\r\n"},
           Case{"Rahu", "Dandadhipati Is Not Placed In The Lagna\r\n",
                "Dandadhipati Is Not Placed In The Rashi\r\n"},
       }) {
    record.Dandadhipati = c.dandadhipati;
    const auto sheet = Compose(record);
    ASSERT_EQ(sheet.RTB.size(), 6u) << c.dandadhipati;
    EXPECT_EQ(sheet.RTB[1].text, c.lagnaLine) << c.dandadhipati;
    EXPECT_EQ(sheet.RTB[3].text, c.rashiLine) << c.dandadhipati;
  }
}

// The data the translated windows fill their templates from: the sentences in order, the
// counts and the piercing planets as body indexes; the English runs are rendered from it.
TEST(VedhaReading, ReadingAsData) {
  using S = core::ReadingSentence;
  //                        Sun    Moon   Merc   Venus  Mars   Jup    Sat    Rahu   Ketu   Asc
  auto record = ChartRecord({"Ari", "Ari", "Ari", "Sag", "Cap", "Gem", "Lib", "Pis", "Vir", "Tau"});
  const auto sheet = Compose(record);
  ASSERT_EQ(sheet.ReadingBlocks.size(), 6u);
  EXPECT_EQ(chakra::EnglishReadingRuns(sheet.ReadingBlocks), sheet.RTB);

  std::vector<S> rashi;
  for (const auto& item : sheet.ReadingBlocks[4].items) {
    rashi.push_back(item.sentence);
    EXPECT_EQ(item.target, core::ReadingTarget::Rashi);
    EXPECT_EQ(item.malefics, 2);
    EXPECT_EQ(item.benefics, 1);
  }
  EXPECT_EQ(rashi, (std::vector<S>{S::CauseVedha, S::RashiVedhaConcerns, S::MaleficCount,
                                   S::PhysicalAilments, S::BeneficAndMalefic, S::MixedResults}));
  std::vector<int> bodies;
  for (const auto& item : sheet.ReadingBlocks[5].items) bodies.push_back(item.body);
  EXPECT_EQ(bodies, (std::vector<int>{8, 3, 7}));  // Ketu, Venus, Rahu in slot order
  EXPECT_TRUE(sheet.ReadingBlocks[2].items.empty());
  EXPECT_EQ(sheet.ReadingBlocks[3].items.front().sentence, S::DandadhipatiNotPlaced);
}

}  // namespace

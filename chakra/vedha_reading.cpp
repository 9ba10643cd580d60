#include "chakra/vedha_reading.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "chakra/pataki_chakra.h"
#include "ephemeris/angles.h"

namespace chakra {

namespace {

using core::ReadingBlock;
using core::ReadingItem;
using core::ReadingSentence;
using core::ReadingTarget;

constexpr std::string_view kCrLf = "\r\n";

struct VedhaEffect {
  int body;
  std::string_view planet;
  std::string_view areas;
};

// What vedha from each planet brings; the Moon has no line.
constexpr std::array<VedhaEffect, 8> kVedhaEffects = {{
    {0, "Sun", "Bile related problems; fever; mental tensions"},
    {4, "Mars", "Blood disorders; accidents; fights; short temper"},
    {2, "Mercury", "Intelligence; Wealth; Education"},
    {5, "Jupiter", "Elevation of status; mental peace; child birth; prosperity"},
    {3, "Venus", "Income; wealth; sensual pleasures"},
    {6, "Saturn", "Physical ailments; loss of stature; problems"},
    {7, "Rahu", "Loss of honor; loss of wealth; phobias"},
    {8, "Ketu", "Ill health; poor digestion; depression"},
}};

const VedhaEffect* EffectOfBody(int body) {
  for (const auto& effect : kVedhaEffects)
    if (effect.body == body) return &effect;
  return nullptr;
}

// The consequence of vedha from one, two or three malefic planets.
constexpr std::array<ReadingSentence, 3> kMaleficConsequences = {ReadingSentence::ManyProblems,
                                                                 ReadingSentence::PhysicalAilments,
                                                                 ReadingSentence::ExtremeProblems};

// The sentences that follow the heading of a pierced target, from its malefic count m and
// benefic count b.
void AddCountSentences(std::vector<ReadingItem>& items, ReadingTarget target, int m, int b) {
  const auto add = [&](ReadingSentence sentence) { items.push_back({sentence, target, -1, m, b}); };
  if (b == 0 && m != 0) add(ReadingSentence::MaleficOnly);
  if (b != 0 && m == 0) add(ReadingSentence::BeneficOnly);
  if (m >= 1 && m <= 3) {
    add(ReadingSentence::MaleficCount);
    add(kMaleficConsequences[static_cast<std::size_t>(m - 1)]);
  }
  if (b != 0 && m != 0) {
    add(ReadingSentence::BeneficAndMalefic);
    add(ReadingSentence::MixedResults);
  }
}

// One line per piercing planet that has an effect, in occupant order.
std::vector<ReadingItem> EffectItems(const VedhaFinding& finding) {
  std::vector<ReadingItem> items;
  for (const auto& name : finding.OccupantList)
    for (const auto& effect : kVedhaEffects)
      if (effect.planet == name)
        items.push_back({ReadingSentence::PlanetEffect, ReadingTarget::Rashi, effect.body,
                         finding.MaleficCount, finding.BeneficCount});
  return items;
}

// The block of a target: its heading lines and count sentences, empty without vedha.
std::vector<ReadingItem> TargetItems(const VedhaFinding& finding, ReadingTarget target) {
  std::vector<ReadingItem> items;
  if (!finding.HasVedha()) return items;
  const int m = finding.MaleficCount, b = finding.BeneficCount;
  items.push_back({ReadingSentence::CauseVedha, target, -1, m, b});
  items.push_back({target == ReadingTarget::Lagna ? ReadingSentence::LagnaVedhaConcerns
                                                  : ReadingSentence::RashiVedhaConcerns,
                   target, -1, m, b});
  AddCountSentences(items, target, m, b);
  return items;
}

ReadingItem DandadhipatiItem(const core::BirthRecord& record, int body, ReadingTarget target) {
  return {IsDandadhipatiPlacedIn(record, body) ? ReadingSentence::DandadhipatiPlaced
                                               : ReadingSentence::DandadhipatiNotPlaced,
          target};
}

std::string_view TargetName(ReadingTarget target) {
  return target == ReadingTarget::Lagna ? "Lagna" : "Rashi";
}

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::string text;
  for (const auto part : parts) text += part;
  return text;
}

}  // namespace

std::string_view VedhaEffectAreas(int body) {
  const VedhaEffect* effect = EffectOfBody(body);
  return effect ? effect->areas : std::string_view{};
}

std::vector<ReadingBlock> VedhaReadingBlocks(const core::BirthRecord& record) {
  const VedhaFinding lagna = AnalyseVedha(record, core::kLagna);
  const VedhaFinding rashi = AnalyseVedha(record, core::kMoon);
  const auto colour = core::kReadingTextColour;
  std::vector<ReadingBlock> blocks;
  blocks.reserve(6);
  blocks.push_back({{{ReadingSentence::Heading}}, true, colour, 2});
  blocks.push_back(
      {{DandadhipatiItem(record, core::kLagna, ReadingTarget::Lagna)}, true, colour, 1});
  blocks.push_back({TargetItems(lagna, ReadingTarget::Lagna), false, colour, 2});
  blocks.push_back(
      {{DandadhipatiItem(record, core::kMoon, ReadingTarget::Rashi)}, true, colour, 1});
  blocks.push_back({TargetItems(rashi, ReadingTarget::Rashi), false, colour, 2});
  blocks.push_back(
      {rashi.HasVedha() ? EffectItems(rashi) : std::vector<ReadingItem>{}, false, colour, 1});
  return blocks;
}

std::string EnglishSentence(const ReadingItem& item) {
  const std::string_view target = TargetName(item.target);
  switch (item.sentence) {
    case ReadingSentence::Heading:
      return "More About Vedha and Dandadhipati";
    case ReadingSentence::DandadhipatiPlaced:
      return Joined({"Dandadhipati Is Placed In The ", target});
    case ReadingSentence::DandadhipatiNotPlaced:
      return Joined({"Dandadhipati Is Not Placed In The ", target});
    case ReadingSentence::CauseVedha:
      return Joined({"Cause Vedha To The ", target});
    case ReadingSentence::LagnaVedhaConcerns:
      return "Vedha of Lagna is related to intelligence issues";
    case ReadingSentence::RashiVedhaConcerns:
      return "Vedha of moon is related to health related issues.";
    case ReadingSentence::MaleficOnly:
      return "You may face a lot of troubles and tensions in areas associated with the planet";
    case ReadingSentence::BeneficOnly:
      return "You may have desirable results in areas associated with the planet";
    case ReadingSentence::MaleficCount:
      return Joined(
          {"Vedha to ", target, " from ", std::to_string(item.malefics), " Malefic Planet"});
    case ReadingSentence::ManyProblems:
      return "You may face many problems and obstacles.";
    case ReadingSentence::PhysicalAilments:
      return "You may face come physical ailments";
    case ReadingSentence::ExtremeProblems:
      return "You will face extreme problems.";
    case ReadingSentence::BeneficAndMalefic:
      return Joined({"Vedha to ", target, " from Benefic and Malefic Planets"});
    case ReadingSentence::MixedResults:
      return "You may have desirable results in areas associated with the benefic planet and "
             "you may face a lot of troubles and tensions in areas associated with the malefic "
             "planet ";
    case ReadingSentence::PlanetEffect:
      if (const VedhaEffect* effect = EffectOfBody(item.body))
        return Joined({"Vedha from ", effect->planet, " :- ", effect->areas});
      return {};
  }
  return {};
}

std::vector<core::TextRun> EnglishReadingRuns(std::span<const ReadingBlock> blocks) {
  std::vector<core::TextRun> runs;
  runs.reserve(blocks.size());
  for (const ReadingBlock& block : blocks) {
    std::string text;
    for (std::size_t i = 0; i < block.items.size(); ++i) {
      if (i > 0) text += kCrLf;
      text += EnglishSentence(block.items[i]);
    }
    for (int k = 0; k < block.lineBreaksAfter; ++k) text += kCrLf;
    runs.push_back({std::move(text), block.emphasis, block.colour});
  }
  return runs;
}

void ComposeVedhaReading(core::BirthRecord& record, core::ResultSheet& sheet) {
  sheet.SetCaption(core::Slot("lblPeriod"), record.PeriodName);
  sheet.SetCaption(core::Slot("lblYamardhapati"), record.Yamardhapati);
  sheet.SetCaption(core::Slot("lblDandadhipati"), record.Dandadhipati);
  sheet.SetCaption(core::Slot("lblLagna"), record.LagnaName);
  sheet.SetCaption(core::Slot("lblRashi"), record.RashiName);
  auto& facts = sheet.facts;
  facts.yamardhapati = core::PlanetBody(record.Yamardhapati);
  facts.dandadhipati = core::PlanetBody(record.Dandadhipati);
  // The names were taken from these longitudes' signs.
  if (!record.LagnaName.empty())
    facts.lagna = core::Longitude{record.Longitudes[core::kLagna]}.SignOf();
  if (!record.RashiName.empty())
    facts.rashi = core::Longitude{record.Longitudes[core::kMoon]}.SignOf();

  auto blocks = VedhaReadingBlocks(record);
  sheet.RTB.reserve(sheet.RTB.size() + blocks.size());
  for (core::TextRun& run : EnglishReadingRuns(blocks))
    sheet.AppendText(std::move(run.text), run.emphasis, run.colour);
  sheet.ReadingBlocks.insert(sheet.ReadingBlocks.end(), std::make_move_iterator(blocks.begin()),
                             std::make_move_iterator(blocks.end()));
}

}  // namespace chakra

#include "chakra/vedha_reading.h"

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "chakra/pataki_chakra.h"

namespace chakra {

namespace {

constexpr std::string_view kCrLf = "\r\n";

struct VedhaEffect {
  std::string_view planet;
  std::string_view line;
};

// What vedha from each planet brings; the Moon has no line.
constexpr std::array<VedhaEffect, 8> kVedhaEffects = {{
    {"Sun", "Vedha from Sun :- Bile related problems; fever; mental tensions"},
    {"Mars", "Vedha from Mars :- Blood disorders; accidents; fights; short temper"},
    {"Mercury", "Vedha from Mercury :- Intelligence; Wealth; Education"},
    {"Jupiter", "Vedha from Jupiter :- Elevation of status; mental peace; child birth; prosperity"},
    {"Venus", "Vedha from Venus :- Income; wealth; sensual pleasures"},
    {"Saturn", "Vedha from Saturn :- Physical ailments; loss of stature; problems"},
    {"Rahu", "Vedha from Rahu :- Loss of honor; loss of wealth; phobias"},
    {"Ketu", "Vedha from Ketu :- Ill health; poor digestion; depression"},
}};

// The consequence of vedha from one, two or three malefic planets.
constexpr std::array<std::string_view, 3> kMaleficConsequences = {
    "You may face many problems and obstacles.", "You may face come physical ailments",
    "You will face extreme problems."};

std::string Joined(std::initializer_list<std::string_view> parts) {
  std::size_t length = 0;
  for (const auto part : parts) length += part.size();
  std::string text;
  text.reserve(length);
  for (const auto part : parts) text += part;
  return text;
}

// The sentences that follow the heading of a pierced target ("Lagna" or "Rashi"), from the
// malefic count m and the benefic count b.
std::string CountSentences(std::string_view target, int m, int b) {
  std::string text;
  if (b == 0 && m != 0)
    text += Joined(
        {kCrLf, "You may face a lot of troubles and tensions in areas associated with the planet"});
  if (b != 0 && m == 0)
    text += Joined({kCrLf, "You may have desirable results in areas associated with the planet"});
  if (m >= 1 && m <= 3)
    text += Joined({kCrLf, "Vedha to ", target, " from ", std::to_string(m), " Malefic Planet",
                    kCrLf, kMaleficConsequences[static_cast<std::size_t>(m - 1)]});
  if (b != 0 && m != 0)
    text += Joined({kCrLf, "Vedha to ", target, " from Benefic and Malefic Planets", kCrLf,
                    "You may have desirable results in areas associated with the benefic planet "
                    "and you may face a lot of troubles and tensions in areas associated with "
                    "the malefic planet "});
  return text;
}

// One line per piercing planet that has an effect, in occupant order.
std::string EffectLines(const VedhaFinding& finding) {
  std::string lines;
  for (const auto& name : finding.OccupantList) {
    for (const auto& effect : kVedhaEffects) {
      if (effect.planet != name) continue;
      if (!lines.empty()) lines += kCrLf;
      lines += effect.line;
    }
  }
  return lines;
}

}  // namespace

void ComposeVedhaReading(core::BirthRecord& record, core::ResultSheet& sheet) {
  std::string dandaLagnaLine = "Dandadhipati Is Not Placed In The Lagna";
  std::string dandaRashiLine = "Dandadhipati Is Not Placed In The Rashi";
  std::string lagnaReading, rashiReading, vedhaEffectLines;

  const VedhaFinding lagna = AnalyseVedha(record, core::kLagna);
  if (lagna.HasVedha()) {
    lagnaReading = Joined(
        {"Cause Vedha To The Lagna", kCrLf, "Vedha of Lagna is related to intelligence issues"});
    lagnaReading += CountSentences("Lagna", lagna.MaleficCount, lagna.BeneficCount);
  }
  if (IsDandadhipatiPlacedIn(record, core::kLagna))
    dandaLagnaLine = "Dandadhipati Is Placed In The Lagna";

  const VedhaFinding rashi = AnalyseVedha(record, core::kMoon);
  if (rashi.HasVedha()) {
    rashiReading = Joined(
        {"Cause Vedha To The Rashi", kCrLf, "Vedha of moon is related to health related issues."});
    vedhaEffectLines = EffectLines(rashi);
    rashiReading += CountSentences("Rashi", rashi.MaleficCount, rashi.BeneficCount);
  }
  if (IsDandadhipatiPlacedIn(record, core::kMoon))
    dandaRashiLine = "Dandadhipati Is Placed In The Rashi";

  sheet.SetCaption(core::Slot("lblPeriod"), record.PeriodName);
  sheet.SetCaption(core::Slot("lblYamardhapati"), record.Yamardhapati);
  sheet.SetCaption(core::Slot("lblDandadhipati"), record.Dandadhipati);
  sheet.SetCaption(core::Slot("lblLagna"), record.LagnaName);
  sheet.SetCaption(core::Slot("lblRashi"), record.RashiName);

  // Each run's text is built in place and moved into the sheet: the texts are long.
  const auto append = [&sheet](std::string&& text, std::initializer_list<std::string_view> tail,
                               bool emphasis) {
    for (const auto part : tail) text += part;
    sheet.AppendText(std::move(text), emphasis, core::kReadingTextColour);
  };
  sheet.RTB.reserve(sheet.RTB.size() + 6);
  append("More About Vedha and Dandadhipati", {kCrLf, kCrLf}, true);
  append(std::move(dandaLagnaLine), {kCrLf}, true);
  append(std::move(lagnaReading), {kCrLf, kCrLf}, false);
  append(std::move(dandaRashiLine), {kCrLf}, true);
  append(std::move(rashiReading), {kCrLf, kCrLf}, false);
  append(std::move(vedhaEffectLines), {kCrLf}, false);
}

}  // namespace chakra

#include "chakra/pataki_chakra.h"

#include <algorithm>

#include "chart/sign_chart.h"
#include "ephemeris/angles.h"
#include "ephemeris/calendar_angles.h"

namespace chakra {

namespace {

// The three vedha signs of each sign, Aries first. The order within a row is the slot order
// that orders the occupants; it is not always the zodiac's (Leo's row begins with Taurus).
// The fixed signs pierce one another; a movable sign pierces the three dual signs other than
// the one two places after it, and a dual sign the three movable signs other than the one
// two places before it.
constexpr std::array<std::array<std::string_view, 3>, 12> kVedhaRows = {{
    {"Vir", "Sag", "Pis"},  // Ari
    {"Leo", "Sco", "Aqu"},  // Tau
    {"Can", "Lib", "Cap"},  // Gem
    {"Sag", "Pis", "Gem"},  // Can
    {"Tau", "Sco", "Aqu"},  // Leo
    {"Lib", "Cap", "Ari"},  // Vir
    {"Pis", "Gem", "Vir"},  // Lib
    {"Aqu", "Tau", "Leo"},  // Sco
    {"Cap", "Ari", "Can"},  // Sag
    {"Gem", "Vir", "Sag"},  // Cap
    {"Tau", "Leo", "Sco"},  // Aqu
    {"Ari", "Can", "Lib"},  // Pis
}};

// Sign 0..11 of body k from its longitude, as its position text shows it; -1 when none.
int SignOfBody(const core::BirthRecord& record, int k) {
  if (k < 0 || k >= core::kBodyCount) return -1;
  return ephemeris::SignOfLongitude(record.Longitudes[static_cast<std::size_t>(k)]);
}

template <std::size_t N>
bool IsOneOf(std::string_view name, const std::array<std::string_view, N>& names) {
  return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

std::array<int, 3> VedhaSigns(int sign) {
  if (sign < 0 || sign >= 12) return {-1, -1, -1};
  std::array<int, 3> signs{};
  for (std::size_t slot = 0; slot < 3; ++slot)
    signs[slot] = ephemeris::SignIndex(kVedhaRows[static_cast<std::size_t>(sign)][slot]);
  return signs;
}

void FillPatakiChakra(core::BirthRecord& record, core::ResultSheet& sheet) {
  std::array<int, core::kBodyCount> signs{};
  for (int k = 0; k < core::kBodyCount; ++k) {
    sheet.SetCaption(core::PositionSlot(k), record.PositionTexts[k]);
    record.ChartTexts[k] = record.PositionTexts[k];
    signs[static_cast<std::size_t>(k)] = SignOfBody(record, k);
  }
  sheet.chart = chart::ChartOfSigns(signs, record.Retrograde, record.Longitudes);
  // Each box's caption lists its bodies by their marked names, one per line after a leading
  // line break.
  for (std::size_t sign = 0; sign < 12; ++sign) {
    std::string box;
    for (const core::ChartBody& body : sheet.chart->signs[sign].bodies) {
      box += "\r\n";
      box += record.BodyNames[static_cast<std::size_t>(body.body)];
    }
    sheet.SetCaption(core::SignContentSlot(static_cast<int>(sign)), std::move(box));
  }
  const int lagnaSign = signs[core::kLagna];
  if (lagnaSign < 0) return;
  sheet.Highlight(lagnaSign);
  for (const int sign : VedhaSigns(lagnaSign)) sheet.Highlight(sign);
}

VedhaFinding AnalyseVedha(const core::BirthRecord& record, int target) {
  VedhaFinding finding;
  finding.target = target;
  const int targetSign = SignOfBody(record, target);
  if (targetSign < 0) return finding;
  const auto vedhaSigns = VedhaSigns(targetSign);
  for (int k = 0; k < core::kBodyCount; ++k) {
    const int sign = SignOfBody(record, k);
    const auto slot = std::find(vedhaSigns.begin(), vedhaSigns.end(), sign);
    if (sign < 0 || slot == vedhaSigns.end()) continue;
    const auto s = static_cast<std::size_t>(slot - vedhaSigns.begin());
    finding.occupied[s] = true;
    // The Lagna point has no plain name: it occupies its slot with an empty one.
    finding.occupants[s].push_back(record.PositionNames[k]);
  }
  if (!finding.HasVedha()) return finding;
  finding.OccupantList.reserve(core::kBodyCount);
  for (const auto& names : finding.occupants)
    finding.OccupantList.insert(finding.OccupantList.end(), names.begin(), names.end());
  for (const auto& name : finding.OccupantList) {
    if (IsOneOf(name, kMaleficPlanets)) ++finding.MaleficCount;
    if (IsOneOf(name, kBeneficPlanets)) ++finding.BeneficCount;
  }
  return finding;
}

bool IsDandadhipatiPlacedIn(const core::BirthRecord& record, int target) {
  // No lord was found when the period of birth could not be measured; the Lagna point's
  // empty name must not then count as one.
  if (record.Dandadhipati.empty()) return false;
  const int targetSign = SignOfBody(record, target);
  if (targetSign < 0) return false;
  for (int k = 0; k < core::kBodyCount; ++k) {
    if (record.PositionNames[k] == record.Dandadhipati && SignOfBody(record, k) == targetSign)
      return true;
  }
  return false;
}

}  // namespace chakra

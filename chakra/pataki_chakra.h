#pragma once
// The Pataki Chakra: every sign is linked with three vedha signs; a body standing in one of
// them pierces the sign. The chart fill, the vedha analysis and the Dandadhipati test.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/birth_record.h"
#include "core/result_sheet.h"

namespace chakra {

// The three vedha signs of sign k (0..11), in the table's slot order.
std::array<int, 3> VedhaSigns(int sign);

inline constexpr std::array<std::string_view, 5> kMaleficPlanets = {"Rahu", "Ketu", "Sun", "Saturn",
                                                                    "Mars"};
inline constexpr std::array<std::string_view, 4> kBeneficPlanets = {"Moon", "Mercury", "Jupiter",
                                                                    "Venus"};

struct VedhaFinding {
  int target = core::kLagna;                          // 9 Lagna or 1 Rashi
  std::array<bool, 3> occupied{};                     // one flag per vedha sign slot
  std::array<std::vector<std::string>, 3> occupants;  // PositionNames, body-index order
  std::vector<std::string> OccupantList;              // the three slots joined, only with vedha
  std::int16_t MaleficCount = 0;
  std::int16_t BeneficCount = 0;
  bool HasVedha() const { return occupied[0] && occupied[1] && occupied[2]; }
};

// Fills the sheet's chart (each body in the sign of its longitude), the sign boxes' captions
// from it and the position labels, copies ChartTexts and highlights the Lagna's sign and its
// three vedha signs.
void FillPatakiChakra(core::BirthRecord& record, core::ResultSheet& sheet);

// Vedha to the Lagna (target 9) or to the Rashi (target 1).
VedhaFinding AnalyseVedha(const core::BirthRecord& record, int target);

// Whether the Dandadhipati stands in the sign of the target body (9 or 1).
bool IsDandadhipatiPlacedIn(const core::BirthRecord& record, int target);

}  // namespace chakra

#include "ephemeris/planets.h"
namespace modVedicPlanetPosition {
void ComputeAscendant(core::BirthRecord&) {}
void ComputePositionTable(core::BirthRecord&) {}
}  // namespace modVedicPlanetPosition

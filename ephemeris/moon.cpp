#include "ephemeris/moon.h"
namespace modVedicEphemeris {
void ComputeMoonAndRashi(core::BirthRecord&) {}
}  // namespace modVedicEphemeris

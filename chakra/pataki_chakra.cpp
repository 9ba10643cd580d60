#include "chakra/pataki_chakra.h"
namespace modPatakiChakra {
void FillPatakiChakra(core::BirthRecord&, core::ResultSheet&) {}
}  // namespace modPatakiChakra

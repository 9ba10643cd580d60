#include "chakra/vedha_reading.h"
namespace modPatakiChakra {
void ComposeVedhaReading(core::BirthRecord&, core::ResultSheet&) {}
}  // namespace modPatakiChakra

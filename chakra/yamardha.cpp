#include "chakra/yamardha.h"
namespace modPatakiChakra {
std::optional<BirthPeriod> SelectPeriod(core::BirthRecord&) { return std::nullopt; }
void SetYamardhaPeriod(core::BirthRecord&) {}
void SetDayYamardhapati(core::BirthRecord&) {}
void SetNightYamardhapati(core::BirthRecord&) {}
void SetDandaPeriod(core::BirthRecord&) {}
void SetDayDandadhipati(core::BirthRecord&) {}
void SetNightDandadhipati(core::BirthRecord&) {}
}  // namespace modPatakiChakra

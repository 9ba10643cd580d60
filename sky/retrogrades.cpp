#include "sky/retrogrades.h"
namespace modRetrogrades {
void MarkRetrogrades(core::BirthRecord&) {}
}  // namespace modRetrogrades

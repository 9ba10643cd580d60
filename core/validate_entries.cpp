#include "core/validate_entries.h"
namespace core {
std::optional<Refusal> ValidateEntries(const FormEntries&) { return std::nullopt; }
}  // namespace core

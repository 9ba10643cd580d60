#pragma once
// The form's entries read once: the input check, then the birth value every later step
// takes.

#include <variant>

#include "core/birth_value.h"
#include "core/form_entries.h"
#include "reading/validate_entries.h"

namespace reading {

// The input check's refusal, or the birth the entries describe.
std::variant<core::BirthValue, Refusal> ParseBirth(const core::FormEntries& entries);

}  // namespace reading

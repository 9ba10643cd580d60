#pragma once
// What the form's text boxes let the keyboard type: the name box letters of any script with
// their marks (shown in capitals where the letter has one) and the space, the coordinate boxes
// digits, each box up to its length. The form's keystroke filters, opening a birth-details file and
// the headless export all judge by these rules, so a file is accepted or refused alike everywhere.
// (reading-dump keeps the input check alone.)

#include <optional>
#include <string>
#include <string_view>

#include "core/form_entries.h"
#include "core/form_fields.h"
#include "reading/validate_entries.h"

namespace reading {

// One keystroke's characters (UTF-8; Enter as "\r") in a box of the rule: the form's message
// when the box refuses them, else empty. Characters that type nothing (Enter, controls) are
// refused only where the rule says so (Enter in a coordinate box).
std::optional<Refusal> KeystrokeRefusal(core::KeyRule rule, std::string_view keys);

// The characters as the box shows them: the name box's letters in capitals where they have
// one (Latin, Greek and Cyrillic; Devanagari and Tamil have no case).
std::string ShownAs(core::KeyRule rule, std::string_view keys);

struct TypedEntries {
  core::FormEntries entries;  // as the form would hold them (the name in capitals)
  std::string problem;        // "The Name box cannot take "asha 2": ..."; empty when none
};

// Every text box's entry typed character by character into its box: what the form would
// hold, or the first text it could not take and why.
TypedEntries AsTyped(const core::FormEntries& entries);

}  // namespace reading

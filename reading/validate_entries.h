#pragma once
// The input check run before every reading: the first failing test answers with its one
// message; a refusal changes nothing but, for the text boxes, the focus.

#include <optional>
#include <string>

#include "core/form_entries.h"
#include "core/numbers.h"

namespace reading {

using core::FormEntries;

enum class MessageIcon { Error, Information };

struct Refusal {
  std::string message;
  MessageIcon icon = MessageIcon::Error;
  std::optional<std::string> focus;  // widget that receives the focus, if it moves
  friend bool operator==(const Refusal&, const Refusal&) = default;
};

// Empty when the entries are acceptable.
std::optional<Refusal> ValidateEntries(const FormEntries& entries);

}  // namespace reading

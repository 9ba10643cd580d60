#pragma once
// One line of the reading dump: the form's entries as a JSON object in, the reading as a
// JSON object out. Never throws; a malformed line gives an error object and changes nothing.

#include <string>
#include <string_view>

#include "core/birth_record.h"

namespace dump {

std::string ProcessLine(std::string_view line, core::BirthRecord& record);

}  // namespace dump

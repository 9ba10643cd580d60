#pragma once
// The calculation as the entries' JSON key "calculation" holds it.

#include <nlohmann/json.hpp>
#include <string>

#include "core/calculation.h"

namespace core {

struct ParsedCalculation {
  Calculation calculation;
  std::string error;  // empty when read; otherwise names the member or value
};

// Reads {"ephemeris", "ayanamsa", "node", "sunrise"}: absent members take the defaults; an
// unknown member or value, or a Swiss Ephemeris choice with "builtin", is an error.
ParsedCalculation CalculationFromJson(const nlohmann::json& value);

// The object CalculationFromJson reads back: the Swiss choices only with the Swiss Ephemeris.
nlohmann::ordered_json CalculationToJson(const Calculation& calculation);

}  // namespace core

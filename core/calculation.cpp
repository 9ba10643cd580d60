#include "core/calculation.h"

#include <array>
#include <utility>

#include "core/calculation_json.h"
#include "core/quoted_text.h"

namespace core {

namespace {

using nlohmann::json;

template <typename Enum, std::size_t N>
using NameTable = std::array<std::pair<Enum, std::string_view>, N>;

constexpr NameTable<EphemerisChoice, 2> kEphemerisNames = {
    {{EphemerisChoice::Builtin, "builtin"}, {EphemerisChoice::Swiss, "swiss"}}};
constexpr NameTable<Ayanamsa, 4> kAyanamsaNames = {
    {{Ayanamsa::Lahiri, "lahiri"},
     {Ayanamsa::Raman, "raman"},
     {Ayanamsa::Krishnamurti, "krishnamurti"},
     {Ayanamsa::TrueChitrapaksha, "true-chitrapaksha"}}};
constexpr NameTable<Node, 2> kNodeNames = {{{Node::Mean, "mean"}, {Node::True, "true"}}};
constexpr NameTable<SunriseRule, 2> kSunriseNames = {
    {{SunriseRule::LimbRefracted, "limb-refracted"}, {SunriseRule::DiscCentre, "disc-centre"}}};

template <typename Enum, std::size_t N>
std::string_view NameOf(const NameTable<Enum, N>& table, Enum value) {
  for (const auto& [entry, name] : table)
    if (entry == value) return name;
  return {};
}

// The member's value from the table's names, or an error naming the member and the choices.
template <typename Enum, std::size_t N>
bool ReadMember(const json& value, std::string_view member, const NameTable<Enum, N>& table,
                Enum& into, std::string& error) {
  if (value.is_string()) {
    for (const auto& [entry, name] : table) {
      if (value.get<std::string>() == name) {
        into = entry;
        return true;
      }
    }
  }
  error = "\"calculation\" member \"" + std::string(member) + "\" must be one of";
  for (std::size_t k = 0; k < N; ++k)
    error += std::string(k == 0       ? " \""
                         : k + 1 == N ? " or \""
                                      : ", \"") +
             std::string(table[k].second) + "\"";
  error += ".";
  return false;
}

}  // namespace

std::string_view EphemerisName(EphemerisChoice choice) {
  return NameOf(kEphemerisNames, choice);
}
std::string_view AyanamsaName(Ayanamsa ayanamsa) {
  return NameOf(kAyanamsaNames, ayanamsa);
}
std::string_view NodeName(Node node) {
  return NameOf(kNodeNames, node);
}
std::string_view SunriseName(SunriseRule rule) {
  return NameOf(kSunriseNames, rule);
}

ParsedCalculation CalculationFromJson(const json& value) {
  ParsedCalculation out;
  if (!value.is_object()) {
    out.error = "\"calculation\" must be an object.";
    return out;
  }
  Calculation& c = out.calculation;
  std::string swissMember;  // the first Swiss Ephemeris choice given, in key order
  for (const auto& [member, v] : value.items()) {
    bool read = false;
    if (member == "ephemeris") {
      read = ReadMember(v, member, kEphemerisNames, c.ephemeris, out.error);
    } else if (member == "ayanamsa") {
      read = ReadMember(v, member, kAyanamsaNames, c.swiss.ayanamsa, out.error);
    } else if (member == "node") {
      read = ReadMember(v, member, kNodeNames, c.swiss.node, out.error);
    } else if (member == "sunrise") {
      read = ReadMember(v, member, kSunriseNames, c.swiss.sunrise, out.error);
    } else {
      out.error = "Unknown \"calculation\" member \"" + QuoteForMessage(member) + "\".";
    }
    if (!read) return out;
    if (member != "ephemeris" && swissMember.empty()) swissMember = member;
  }
  if (c.ephemeris == EphemerisChoice::Builtin && !swissMember.empty())
    out.error = "\"calculation\" member \"" + swissMember +
                "\" is a choice of the Swiss Ephemeris, not of \"builtin\".";
  return out;
}

nlohmann::ordered_json CalculationToJson(const Calculation& c) {
  nlohmann::ordered_json out = {{"ephemeris", EphemerisName(c.ephemeris)}};
  if (c.ephemeris == EphemerisChoice::Swiss) {
    out["ayanamsa"] = AyanamsaName(c.swiss.ayanamsa);
    out["node"] = NodeName(c.swiss.node);
    out["sunrise"] = SunriseName(c.swiss.sunrise);
  }
  return out;
}

}  // namespace core

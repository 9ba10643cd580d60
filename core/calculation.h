#pragma once
// Which calculation a reading is made with: the built-in formulas (the default, the program's
// own since its first version) or the Swiss Ephemeris with its ayanamsa, lunar node and
// sunrise rule. A value carried with the birth from the entries to the reading.

#include <string_view>

namespace core {

enum class EphemerisChoice { Builtin, Swiss };
enum class Ayanamsa { Lahiri, Raman, Krishnamurti, TrueChitrapaksha };
enum class Node { Mean, True };
// LimbRefracted: the upper limb on the horizon with refraction (1013.25 hPa, 15 °C, sea level).
// DiscCentre: the centre of the disc on the horizon, without refraction, ecliptic latitude
// ignored (the rule of several Hindu almanacs).
enum class SunriseRule { LimbRefracted, DiscCentre };

// The Swiss Ephemeris's three choices.
struct SwissSettings {
  Ayanamsa ayanamsa = Ayanamsa::Lahiri;
  Node node = Node::Mean;
  SunriseRule sunrise = SunriseRule::LimbRefracted;
  friend bool operator==(const SwissSettings&, const SwissSettings&) = default;
};

struct Calculation {
  EphemerisChoice ephemeris = EphemerisChoice::Builtin;
  SwissSettings swiss;  // the defaults with the built-in formulas
  friend bool operator==(const Calculation&, const Calculation&) = default;
};

// The names the entries' JSON uses: "builtin", "lahiri", "true-chitrapaksha", "mean", ...
std::string_view EphemerisName(EphemerisChoice choice);
std::string_view AyanamsaName(Ayanamsa ayanamsa);
std::string_view NodeName(Node node);
std::string_view SunriseName(SunriseRule rule);

}  // namespace core

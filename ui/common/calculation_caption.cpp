#include "ui/common/calculation_caption.h"

namespace ui {

namespace {

bool IsSwiss(const std::optional<core::Calculation>& calculation) {
  return calculation && calculation->ephemeris == core::EphemerisChoice::Swiss;
}

}  // namespace

QString AyanamsaCaption(core::Ayanamsa ayanamsa) {
  switch (ayanamsa) {
    case core::Ayanamsa::Lahiri:
      return QStringLiteral("Lahiri");
    case core::Ayanamsa::Raman:
      return QStringLiteral("Raman");
    case core::Ayanamsa::Krishnamurti:
      return QStringLiteral("Krishnamurti");
    case core::Ayanamsa::TrueChitrapaksha:
      return QStringLiteral("True Chitrapaksha");
  }
  return {};
}

QString CalculationCaption(const std::optional<core::Calculation>& calculation) {
  if (!IsSwiss(calculation)) return QStringLiteral("Built-in formulas");
  const core::SwissSettings& swiss = calculation->swiss;
  return QStringLiteral("Swiss Ephemeris, %1, %2, sunrise: %3")
      .arg(AyanamsaCaption(swiss.ayanamsa),
           swiss.node == core::Node::Mean ? QStringLiteral("mean node")
                                          : QStringLiteral("true node"),
           swiss.sunrise == core::SunriseRule::LimbRefracted
               ? QStringLiteral("upper limb, refracted")
               : QStringLiteral("centre of the disc, unrefracted"));
}

QString EphemerisSourceCaption(const std::optional<core::Calculation>& calculation, bool files) {
  if (!IsSwiss(calculation)) return QStringLiteral("Positions from the program's own formulas");
  return files ? QStringLiteral("Positions from the Swiss Ephemeris files")
               : QStringLiteral(
                     "Positions from the Swiss Ephemeris's analytical ephemeris (its files "
                     "could not be used)");
}

}  // namespace ui

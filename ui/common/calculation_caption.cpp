#include "ui/common/calculation_caption.h"

#include <QCoreApplication>

#include "ui/common/filled_template.h"

namespace ui {

namespace {

bool IsSwiss(const std::optional<core::Calculation>& calculation) {
  return calculation && calculation->ephemeris == core::EphemerisChoice::Swiss;
}

}  // namespace

QString AyanamsaCaption(core::Ayanamsa ayanamsa) {
  switch (ayanamsa) {
    case core::Ayanamsa::Lahiri:
      return QCoreApplication::translate("Calculation", "Lahiri");
    case core::Ayanamsa::Raman:
      return QCoreApplication::translate("Calculation", "Raman");
    case core::Ayanamsa::Krishnamurti:
      return QCoreApplication::translate("Calculation", "Krishnamurti");
    case core::Ayanamsa::TrueChitrapaksha:
      return QCoreApplication::translate("Calculation", "True Chitrapaksha");
  }
  return {};
}

QString CalculationCaption(const std::optional<core::Calculation>& calculation) {
  if (!IsSwiss(calculation)) return QCoreApplication::translate("Calculation", "Built-in formulas");
  const core::SwissSettings& swiss = calculation->swiss;
  return Filled(
      QCoreApplication::translate("Calculation", "Swiss Ephemeris, %1, %2, sunrise: %3"),
      {AyanamsaCaption(swiss.ayanamsa),
       swiss.node == core::Node::Mean ? QCoreApplication::translate("Calculation", "mean node")
                                      : QCoreApplication::translate("Calculation", "true node"),
       swiss.sunrise == core::SunriseRule::LimbRefracted
           ? QCoreApplication::translate("Calculation", "upper limb, refracted")
           : QCoreApplication::translate("Calculation", "centre of the disc, unrefracted")});
}

QString EphemerisSourceCaption(const std::optional<core::Calculation>& calculation, bool files) {
  if (!IsSwiss(calculation))
    return QCoreApplication::translate("Calculation", "Positions from the program's own formulas");
  return files ? QCoreApplication::translate("Calculation",
                                             "Positions from the Swiss Ephemeris files")
               : QCoreApplication::translate(
                     "Calculation",
                     "Positions from the Swiss Ephemeris's analytical ephemeris (its files "
                     "could not be used)");
}

}  // namespace ui

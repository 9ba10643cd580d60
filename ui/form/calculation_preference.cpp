#include "ui/form/calculation_preference.h"

#include <nlohmann/json.hpp>
#include <utility>
#include <vector>

#include "core/calculation_json.h"

namespace ui {

namespace {

// The members of the entries' "calculation" object, each one key of the settings' group.
constexpr const char* kKeys[] = {"ephemeris", "ayanamsa", "node", "sunrise"};
const QString kGroup = QStringLiteral("calculation");

void Warn(QString why) {
  if (why.endsWith(QLatin1Char('.'))) why.chop(1);
  WarnAboutSettings(why + QStringLiteral("; the built-in formulas are used."));
}

}  // namespace

std::optional<core::Calculation> LoadCalculationPreference() {
  const ReadSettings read = ReadSettingsFile();
  if (!read.problem.isEmpty()) {
    Warn(read.problem);
    return std::nullopt;
  }
  nlohmann::json object = nlohmann::json::object();
  for (const char* key : kKeys)
    if (const auto value = read.settings.Value(kGroup, QLatin1String(key)))
      object[key] = value->toStdString();
  if (object.empty()) return std::nullopt;
  const core::ParsedCalculation parsed = core::CalculationFromJson(object);
  if (!parsed.error.empty()) {
    Warn(QString::fromStdString(parsed.error));
    return std::nullopt;
  }
  if (parsed.calculation.ephemeris != core::EphemerisChoice::Swiss) return std::nullopt;
  return parsed.calculation;
}

void SaveCalculationPreference(const std::optional<core::Calculation>& choice) {
  const nlohmann::ordered_json object =
      core::CalculationToJson(choice.value_or(core::Calculation{}));
  std::vector<std::pair<QString, QString>> keys;
  for (const auto& [key, value] : object.items())
    keys.emplace_back(QString::fromStdString(key),
                      QString::fromStdString(value.get<std::string>()));
  const auto failed =
      ChangeSettingsFile([&keys](IniSettings& settings) { settings.ReplaceGroup(kGroup, keys); });
  if (failed) WarnAboutSettings(*failed + QLatin1Char('.'));
}

}  // namespace ui

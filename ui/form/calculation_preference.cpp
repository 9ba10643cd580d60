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
// The Swiss choices shown while the built-in formulas are chosen: a group of their own, which
// earlier versions never read, since their "calculation" group refuses them beside "builtin".
const QString kSwissGroup = QStringLiteral("swiss-shown");

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

core::SwissSettings LoadKeptSwissChoices() {
  const ReadSettings read = ReadSettingsFile();  // a problem is said once, by the choice's load
  nlohmann::json object = {{"ephemeris", "swiss"}};
  bool kept = false;
  for (const char* key : {"ayanamsa", "node", "sunrise"})
    if (const auto value = read.settings.Value(kSwissGroup, QLatin1String(key))) {
      object[key] = value->toStdString();
      kept = true;
    }
  const core::ParsedCalculation parsed = core::CalculationFromJson(object);
  if (!kept || !parsed.error.empty()) return {};  // not kept, or spoilt: the defaults, silently
  return parsed.calculation.swiss;
}

namespace {

std::vector<std::pair<QString, QString>> KeysOf(const core::Calculation& calculation,
                                                bool swissOnly) {
  std::vector<std::pair<QString, QString>> keys;
  const nlohmann::ordered_json object = core::CalculationToJson(calculation);
  for (const auto& [key, value] : object.items())
    if (!swissOnly || key != "ephemeris")
      keys.emplace_back(QString::fromStdString(key),
                        QString::fromStdString(value.get<std::string>()));
  return keys;
}

}  // namespace

void SaveCalculationPreference(const std::optional<core::Calculation>& choice,
                               const core::SwissSettings& swissShown) {
  const auto keys = KeysOf(choice.value_or(core::Calculation{}), false);
  core::Calculation shown;
  shown.ephemeris = core::EphemerisChoice::Swiss;
  shown.swiss = swissShown;
  const auto swissKeys = KeysOf(shown, true);
  const auto failed = ChangeSettingsFile([&](IniSettings& settings) {
    settings.ReplaceGroup(kGroup, keys);
    settings.ReplaceGroup(kSwissGroup, swissKeys);
  });
  if (failed) WarnAboutSettings(*failed + QLatin1Char('.'));
}

}  // namespace ui

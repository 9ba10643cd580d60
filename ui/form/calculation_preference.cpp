#include "ui/form/calculation_preference.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "core/calculation_json.h"

namespace ui {

namespace {

// The members of the entries' "calculation" object, each one key of the settings' group.
constexpr const char* kKeys[] = {"ephemeris", "ayanamsa", "node", "sunrise"};
const QString kGroup = QStringLiteral("calculation");

void Warn(QString why) {
  if (why.endsWith(QLatin1Char('.'))) why.chop(1);
  std::fprintf(
      stderr, "orvel-pataki-chakra: %s; the built-in formulas are used.\n",
      qUtf8Printable(QDir::toNativeSeparators(PreferenceFilePath()) + QStringLiteral(": ") + why));
}

}  // namespace

std::optional<core::Calculation> LoadCalculationPreference() {
  // Most starts find no settings file: no settings object is made for it (start-up memory).
  if (!QFileInfo::exists(PreferenceFilePath())) return std::nullopt;
  QSettings settings(PreferenceFilePath(), QSettings::IniFormat);
  if (settings.status() != QSettings::NoError) {
    Warn(QStringLiteral("the settings file cannot be read"));
    return std::nullopt;
  }
  settings.beginGroup(kGroup);
  nlohmann::json object = nlohmann::json::object();
  for (const char* key : kKeys)
    if (settings.contains(QLatin1String(key)))
      object[key] = settings.value(QLatin1String(key)).toString().toStdString();
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
  QSettings settings(PreferenceFilePath(), QSettings::IniFormat);
  // What is kept now, read as written (a broken file counts as holding nothing).
  const std::optional<core::Calculation> kept =
      settings.status() == QSettings::NoError ? LoadCalculationPreference() : std::nullopt;
  const bool written = settings.childGroups().contains(kGroup);
  if (written && kept == choice) return;
  const core::Calculation whole = choice.value_or(core::Calculation{});
  const nlohmann::ordered_json object = core::CalculationToJson(whole);
  settings.remove(kGroup);
  settings.beginGroup(kGroup);
  for (const auto& [key, value] : object.items())
    settings.setValue(QString::fromStdString(key),
                      QString::fromStdString(value.get<std::string>()));
  settings.endGroup();
  settings.sync();
  if (settings.status() != QSettings::NoError)
    std::fprintf(stderr, "orvel-pataki-chakra: %s: the settings file cannot be written.\n",
                 qUtf8Printable(QDir::toNativeSeparators(PreferenceFilePath())));
}

}  // namespace ui

#pragma once
// The program's one settings file, orvel-pataki-chakra/settings.ini in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config): the Calculation menu's choice and
// the language. Under Qt's test-mode paths while tests run.
// It is read without ever waiting (a named pipe or a device in its place is refused) and
// written whole under its lock, settings.ini.lock, the lock earlier versions took as well; a
// lock not had within a moment leaves the file as it is. Neither stops the program: the
// caller says so in one line on standard error.

#include <QString>
#include <functional>
#include <optional>

#include "ui/common/ini_settings.h"

namespace ui {

QString PreferenceFilePath();

struct ReadSettings {
  IniSettings settings;  // empty without a file, or when it cannot be read
  QString problem;       // why the file cannot be read; empty when it was, or is not there
};
ReadSettings ReadSettingsFile();

// Applies `change` to what the file holds now and writes the file when that changed it.
// Returns why it could not be written, or nothing.
std::optional<QString> ChangeSettingsFile(const std::function<void(IniSettings&)>& change);

// The one line on standard error about the settings file: "<program>: <file>: <text>".
void WarnAboutSettings(const QString& text);

}  // namespace ui

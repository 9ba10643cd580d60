#pragma once
// The program's one settings file, orvel-pataki-chakra/settings.ini in the user's
// configuration folder ($XDG_CONFIG_HOME, else ~/.config): the Calculation menu's choice and
// the language. Under Qt's test-mode paths while tests run.

#include <QString>

namespace ui {

QString PreferenceFilePath();

}  // namespace ui

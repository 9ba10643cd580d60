#pragma once
// Qt's own warnings that tell the person nothing they could act on, dropped; every other
// message of Qt or of the program passes to the handler that was there before.
//   "OpenType support missing for "Lohit Devanagari", script 11": 13 to 26 lines with
//   --language hi or ta, from fonts that shape well through their other tables;
//   "QVariant::load: unknown user type with name …": from a settings file of another version.
// Both come through Qt's default category, like any warning, so they are matched by their text.

#include <QString>
#include <QtGlobal>

namespace ui {

bool IsQtNoise(QtMsgType type, const char* category, const QString& message);

// Installs the filter over the handler in place (Qt's own, or a test's).
void DropQtNoise();

}  // namespace ui

#pragma once
// The program's name and version, written once for every window that shows them (they stay
// in Latin letters in every language; the description is in library_texts.h).
// The version is the project's own (CMake's project version, passed in as OPC_VERSION).

#include <QString>

#ifndef OPC_VERSION
#error "OPC_VERSION (the project's version, e.g. \"1.20\") must be defined by the build"
#endif

namespace ui {

inline const QString kAppTitle = QStringLiteral("Orvel Pataki Chakra");
inline const QString kWindowCaption = kAppTitle + QStringLiteral(" v" OPC_VERSION);

}  // namespace ui

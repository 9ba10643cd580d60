#pragma once
// The program's name, version and description, written once for every window that shows them.
// The version is the project's own (CMake's project version, passed in as OPC_VERSION).

#include <QString>

#ifndef OPC_VERSION
#error "OPC_VERSION (the project's version, e.g. \"1.20\") must be defined by the build"
#endif

namespace ui {

inline const QString kAppTitle = QStringLiteral("Orvel Pataki Chakra");
inline const QString kWindowCaption = kAppTitle + QStringLiteral(" v" OPC_VERSION);
inline const QString kDescription = QStringLiteral(
    "Orvel Pataki Chakra generates the Pataki Chakra of your natal chart based on Vedic "
    "Astrology principles. The Pataki Chakra or Tri Pataki Chakra means a flag of three in "
    "Sanskrit. It gives you information about your ill health and the planetary influences on "
    "the Moon.");

}  // namespace ui

#pragma once
// Birth-details files on disk (extension .opc.json): read whole, checked before use, and
// written whole or not at all.

#include <QString>
#include <optional>

#include "core/birth_details.h"

namespace ui {

inline const QString kBirthDetailsSuffix = QStringLiteral(".opc.json");
inline const QString kBirthDetailsFilter = QStringLiteral("Birth details (*.opc.json)");

struct OpenedBirthDetails {
  std::optional<core::BirthDetails> details;
  QString error;  // names the file and what is wrong with it; empty with details
};

// Reads a regular file of at most 1 MiB (never more than that is read) and checks it, the zone
// of its place against the tz database's list included.
OpenedBirthDetails ReadBirthDetailsFile(const QString& path);

// Why the file could not be written (naming it), or nothing when it was.
std::optional<QString> WriteBirthDetailsFile(const QString& path,
                                             const core::BirthDetails& details);

// The message for a file that cannot be used: "<file>": <why>.
QString FileProblem(const QString& path, const QString& why);

}  // namespace ui

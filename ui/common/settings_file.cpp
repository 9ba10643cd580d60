#include "ui/common/settings_file.h"

#include <QDir>
#include <QStandardPaths>

namespace ui {

QString PreferenceFilePath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("orvel-pataki-chakra/settings.ini"));
}

}  // namespace ui

#include "ui/common/settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdio>

#include "ui/common/regular_file.h"

namespace ui {

namespace {

// Far above two settings; a larger file is something else, not read into memory.
constexpr qint64 kLargestSettings = 1 << 20;
// How long a change waits for the lock: a copy writing the file holds it for a moment only.
constexpr int kLockWaitMs = 100;

// Reads the file as it is now; `problem` empty and nothing held when it is not there.
ReadSettings ReadNow() {
  using Problem = RegularFileRead::Problem;
  const RegularFileRead read = ReadRegularFile(PreferenceFilePath(), kLargestSettings);
  switch (read.problem) {
    case Problem::None:
      break;
    case Problem::Missing:
      return {};
    case Problem::Folder:
    case Problem::NotRegular:
      return {{}, QStringLiteral("the settings file is not a regular file")};
    case Problem::TooLarge:
      return {{}, QStringLiteral("the settings file is too large")};
    case Problem::Unreadable:
      return {{}, QStringLiteral("the settings file cannot be read (%1)").arg(read.why)};
  }
  IniSettings settings = IniSettings::Parse(read.bytes);
  if (settings.malformed()) return {{}, QStringLiteral("the settings file cannot be read")};
  return {std::move(settings), {}};
}

}  // namespace

QString PreferenceFilePath() {
  return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
      .filePath(QStringLiteral("orvel-pataki-chakra/settings.ini"));
}

ReadSettings ReadSettingsFile() {
  // Most starts find no settings file: nothing is opened for it (start-up time).
  if (!QFileInfo::exists(PreferenceFilePath())) return {};
  return ReadNow();
}

std::optional<QString> ChangeSettingsFile(const std::function<void(IniSettings&)>& change) {
  const QString path = PreferenceFilePath();
  QDir().mkpath(QFileInfo(path).path());
  QLockFile lock(path + QStringLiteral(".lock"));
  if (!lock.tryLock(kLockWaitMs))
    return QStringLiteral("the settings file cannot be written: its lock %1 %2")
        .arg(QDir::toNativeSeparators(lock.fileName()), lock.error() == QLockFile::LockFailedError
                                                            ? QStringLiteral("is held")
                                                            : QStringLiteral("cannot be made"));
  // Read again under the lock: another copy may have kept its own choice meanwhile.
  ReadSettings now = ReadNow();
  if (!now.problem.isEmpty()) return now.problem + QStringLiteral(", so it is not written either");
  const QByteArray before = now.settings.Text();
  change(now.settings);
  const QByteArray after = now.settings.Text();
  if (after == before) return std::nullopt;  // written only when a choice changes
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(after) != after.size() || !file.commit())
    return QStringLiteral("the settings file cannot be written (%1)").arg(file.errorString());
  return std::nullopt;
}

void WarnAboutSettings(const QString& text) {
  std::fprintf(stderr, "orvel-pataki-chakra: %s: %s\n",
               qUtf8Printable(QDir::toNativeSeparators(PreferenceFilePath())),
               qUtf8Printable(text));
}

}  // namespace ui

#include "ui/output/save_whole.h"

#include <QDir>
#include <QSaveFile>

namespace ui {

std::optional<QString> SaveWhole(const QString& path,
                                 const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(path);
  const auto failed = [&path](const QString& why) {
    return QStringLiteral("Could not write \"%1\": %2").arg(QDir::toNativeSeparators(path), why);
  };
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  // A short write (a full disk, a file-size limit) may leave no error on the device, but the
  // flush fails: checked before the commit, so the target is never replaced by a part.
  if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError) {
    const QString why = file.error() != QFileDevice::NoError
                            ? file.errorString()
                            : QStringLiteral("not all of it could be written.");
    file.cancelWriting();
    return failed(why);
  }
  if (!file.commit()) return failed(file.errorString());
  return std::nullopt;
}

}  // namespace ui

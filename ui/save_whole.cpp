#include "ui/save_whole.h"

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
  if (!write(file) || file.error() != QFileDevice::NoError) {
    const QString why = file.error() != QFileDevice::NoError ? file.errorString()
                                                             : QStringLiteral("nothing written");
    file.cancelWriting();
    return failed(why);
  }
  if (!file.commit()) return failed(file.errorString());
  return std::nullopt;
}

}  // namespace ui

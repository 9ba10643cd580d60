#include "ui/output/save_whole.h"

#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>

#include "ui/common/filled_template.h"
#include "ui/common/quoted.h"

namespace ui {

namespace {

QString CouldNotWrite(const QString& path, const QString& why) {
  return Filled(QCoreApplication::translate("Files", "Could not write \"%1\": %2"),
                {Quoted(QDir::toNativeSeparators(path)), why});
}

// Why writing failed, in the system's words. A write the system cuts short (a full disk, the
// file-size limit) leaves Qt without its reason ("Unknown error"); one more byte written where
// the file stopped asks the system again. The file is given up afterwards either way.
QString WriteFailure(QSaveFile& file) {
  const char byte = 0;
  if (file.handle() >= 0 && ::write(file.handle(), &byte, 1) < 0)
    return QString::fromLocal8Bit(std::strerror(errno)) + QLatin1Char('.');
  return file.error() != QFileDevice::NoError
             ? file.errorString()
             : QCoreApplication::translate("Files", "not all of it could be written.");
}

}  // namespace

std::optional<QString> SaveWhole(const QString& path,
                                 const std::function<bool(QIODevice&)>& write) {
  QSaveFile file(path);
  const auto failed = [&path](const QString& why) { return CouldNotWrite(path, why); };
  if (!file.open(QIODevice::WriteOnly)) return failed(file.errorString());
  // A short write (a full disk, a file-size limit) may leave no error on the device, but the
  // flush fails: checked before the commit, so the target is never replaced by a part.
  if (!write(file) || !file.flush() || file.error() != QFileDevice::NoError) {
    const QString why = WriteFailure(file);
    file.cancelWriting();
    return failed(why);
  }
  if (!file.commit()) return failed(file.errorString());
  return std::nullopt;
}

std::optional<QString> UnfitTarget(const QString& path, const QString& source) {
  struct stat target {
  }, read{};
  // Through symlinks, as the file is written: a link to a regular file writes that file.
  if (::stat(QFile::encodeName(path).constData(), &target) != 0) return std::nullopt;
  if (!S_ISREG(target.st_mode))
    return CouldNotWrite(path, QCoreApplication::translate("Files", "it is not a regular file."));
  if (::stat(QFile::encodeName(source).constData(), &read) == 0 && read.st_dev == target.st_dev &&
      read.st_ino == target.st_ino)
    return CouldNotWrite(path, QCoreApplication::translate("Files", "it is the file being read."));
  return std::nullopt;
}

}  // namespace ui

#include "ui/common/regular_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <cerrno>
#include <cstring>

namespace ui {

namespace {

QString SystemReason(int error) {
  return QString::fromLocal8Bit(std::strerror(error));
}

// Reads up to `limit` + 1 bytes of an open regular file.
RegularFileRead ReadOpened(int fd, qint64 limit) {
  using Problem = RegularFileRead::Problem;
  RegularFileRead read;
  read.bytes.resize(limit + 1);
  qint64 got = 0;
  while (got <= limit) {
    const ssize_t n = ::read(fd, read.bytes.data() + got, static_cast<size_t>(limit + 1 - got));
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      return {Problem::Unreadable, {}, SystemReason(errno)};
    }
    got += n;
  }
  if (got > limit) return {Problem::TooLarge, {}, {}};
  read.bytes.truncate(got);
  return read;
}

}  // namespace

RegularFileRead ReadRegularFile(const QString& path, qint64 limit) {
  using Problem = RegularFileRead::Problem;
  // O_NONBLOCK: opening a named pipe returns at once instead of waiting for a writer; it has no
  // effect on reading a regular file. O_NOCTTY: a terminal never becomes the program's.
  const int fd =
      ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    const int error = errno;
    if (error == ENOENT) return {Problem::Missing, {}, SystemReason(error)};
    if (error == EISDIR) return {Problem::Folder, {}, {}};
    return {Problem::Unreadable, {}, SystemReason(error)};
  }
  struct stat info {};
  RegularFileRead read;
  if (::fstat(fd, &info) != 0)
    read = {Problem::Unreadable, {}, SystemReason(errno)};
  else if (S_ISDIR(info.st_mode))
    read = {Problem::Folder, {}, {}};
  else if (!S_ISREG(info.st_mode))
    read = {Problem::NotRegular, {}, {}};
  else if (info.st_size > limit)
    read = {Problem::TooLarge, {}, {}};
  else
    read = ReadOpened(fd, limit);  // the size may change while it is read
  ::close(fd);
  return read;
}

}  // namespace ui

#pragma once
// Reading a small file whole, safely whatever the path names: only a regular file is read, and
// never more than a limit. The file is opened without waiting (a named pipe would wait for a
// writer), what was opened is checked, and that same descriptor is read: a pipe or device
// renamed into place after a look at the path is still refused, never read or waited on.

#include <QByteArray>
#include <QString>
#include <optional>

namespace ui {

struct RegularFileRead {
  enum class Problem {
    None,
    Missing,     // no such file
    Folder,      // a folder (a symlink to one included)
    NotRegular,  // a device, a named pipe, a socket
    TooLarge,    // more than the limit
    Unreadable,  // the system refused (see `why`)
  };
  Problem problem = Problem::None;
  QByteArray bytes;  // the whole file when there is no problem
  QString why;       // the system's reason, for Unreadable
};

// Reads the regular file at `path` if it holds at most `limit` bytes (at most limit + 1 bytes
// are read to tell).
RegularFileRead ReadRegularFile(const QString& path, qint64 limit);

}  // namespace ui

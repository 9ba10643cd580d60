#pragma once
// Writing a file whole or not at all: the content goes to a temporary file beside the target,
// which replaces the target only once everything was written. A failure leaves the previous
// file as it was and no half file behind.

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace ui {

// `write` fills the open device and says whether it succeeded. Returns why the file could not
// be written (naming it), or nothing when it was.
std::optional<QString> SaveWhole(const QString& path, const std::function<bool(QIODevice&)>& write);

// Why `path` may not take what is made from the file `source`: it is that very file (by another
// path or a hard link as well), or no regular file (a device, a FIFO, a folder), which a
// replacement would turn into one. Nothing for a regular file or a new name.
std::optional<QString> UnfitTarget(const QString& path, const QString& source);

}  // namespace ui

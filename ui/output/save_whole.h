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

}  // namespace ui

#include "ui/output/birth_details_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "ui/output/save_whole.h"

namespace ui {

namespace {

// Far above any birth-details file; a larger file is something else, not read into memory.
constexpr qint64 kLargestFile = 1 << 20;

}  // namespace

QString FileProblem(const QString& path, const QString& why) {
  return QStringLiteral("\"%1\": %2").arg(QDir::toNativeSeparators(path), why);
}

OpenedBirthDetails ReadBirthDetailsFile(const QString& path) {
  const auto failed = [&path](const QString& why) {
    return OpenedBirthDetails{std::nullopt, FileProblem(path, why)};
  };
  if (QFileInfo(path).isDir()) return failed(QStringLiteral("This is a folder, not a file."));
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    return failed(QStringLiteral("The file cannot be read (%1).").arg(file.errorString()));
  if (file.size() > kLargestFile)
    return failed(QStringLiteral("The file is too large to hold birth details."));
  const QByteArray text = file.readAll();
  if (file.error() != QFileDevice::NoError)
    return failed(QStringLiteral("The file cannot be read (%1).").arg(file.errorString()));
  core::ParsedBirthDetails parsed =
      core::ParseBirthDetails(std::string_view(text.constData(), static_cast<size_t>(text.size())));
  if (!parsed.details) return failed(QString::fromStdString(parsed.error));
  return {std::move(parsed.details), {}};
}

std::optional<QString> WriteBirthDetailsFile(const QString& path,
                                             const core::BirthDetails& details) {
  const std::string text = core::BirthDetailsText(details);
  return SaveWhole(path, [&text](QIODevice& file) {
    return file.write(text.data(), static_cast<qint64>(text.size())) ==
           static_cast<qint64>(text.size());
  });
}

}  // namespace ui

#include "ui/output/birth_details_file.h"

#include <QCoreApplication>
#include <QDir>

#include "places/zone_list.h"
#include "ui/common/filled_template.h"
#include "ui/common/quoted.h"
#include "ui/common/regular_file.h"
#include "ui/output/save_whole.h"

namespace ui {

namespace {

// Far above any birth-details file; a larger file is something else, not read into memory.
constexpr qint64 kLargestFile = 1 << 20;

}  // namespace

QString FileProblem(const QString& path, const QString& why) {
  return QStringLiteral("\"%1\": %2").arg(Quoted(QDir::toNativeSeparators(path)), why);
}

OpenedBirthDetails ReadBirthDetailsFile(const QString& path) {
  const auto failed = [&path](const QString& why) {
    return OpenedBirthDetails{std::nullopt, FileProblem(path, why)};
  };
  // A device or a pipe (/dev/zero, a FIFO) may never end, and opening a FIFO waits for a
  // writer: only a regular file is read, and never more than the limit.
  using Problem = RegularFileRead::Problem;
  const RegularFileRead read = ReadRegularFile(path, kLargestFile);
  switch (read.problem) {
    case Problem::None:
      break;
    case Problem::Folder:
      return failed(QCoreApplication::translate("BirthDetails", "This is a folder, not a file."));
    case Problem::NotRegular:
      return failed(QCoreApplication::translate("BirthDetails", "This is not a regular file."));
    case Problem::TooLarge:
      return failed(QCoreApplication::translate("BirthDetails",
                                                "The file is too large to hold birth details."));
    case Problem::Missing:
    case Problem::Unreadable:
      return failed(
          Filled(QCoreApplication::translate("BirthDetails", "The file cannot be read (%1)."),
                 {read.why}));
  }
  const QByteArray& text = read.bytes;
  core::ParsedBirthDetails parsed =
      core::ParseBirthDetails(std::string_view(text.constData(), static_cast<size_t>(text.size())));
  if (!parsed.details) return failed(QString::fromStdString(parsed.error));
  // The zone is read from the tz database's folder by its id: only an id the database lists
  // may reach it ("../../../dev/zero" would name a file outside).
  if (const auto& place = parsed.details->place) {
    const places::ZoneCheck check = places::CheckZone(place->zone);
    if (check != places::ZoneCheck::Known)
      return failed(Filled(
          QCoreApplication::translate("BirthDetails", "The place's zone cannot be used: %1."),
          {QString::fromStdString(places::ZoneProblem(check, place->zone))}));
  }
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

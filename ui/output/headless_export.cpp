#include "ui/output/headless_export.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "places/birth_clock.h"
#include "places/clock_decision.h"
#include "places/clock_status.h"
#include "reading/entry_rules.h"
#include "reading/reading.h"
#include "ui/common/library_texts.h"
#include "ui/output/birth_details_file.h"
#include "ui/output/chart_picture.h"
#include "ui/output/reading_page.h"
#include "ui/output/save_whole.h"

namespace ui {

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "orvel-pataki-chakra: %s\n", message.toLocal8Bit().constData());
  return 1;
}

// A birth time the clocks of the file's zone skipped (put forward) names no moment; there is
// no one to ask which was meant, so the file is refused with what the clocks did. A time that
// happened twice needs no question: the file's row and box (or exact offset) say which.
std::optional<QString> SkippedTimeProblem(const core::BirthValue& birth,
                                          const std::optional<core::AtlasPlace>& place) {
  if (!place) return std::nullopt;
  const double longitude = birth.longitude.Signed();
  const places::BirthClock clock = places::BirthClocks().At(place->zone, birth.local, longitude);
  if (!places::SkippedTimeOf(clock, birth.local)) return std::nullopt;
  const std::string tz = places::TzDataVersion();
  // In the language asked for, as the other refusals.
  return WordsText(places::ClockStatusWords(
      {birth.city, birth.local, place->zone, tz, longitude, birth.latitude.Signed()}, clock));
}

}  // namespace

int RunHeadlessExport(int& argc, char** argv, const ExportRequest& request) {
  // No display is needed, nor may one be asked for: the offscreen platform draws fonts too.
  // Qt would take a -platform of the command line over it, so Qt is given none of the line.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  argc = 1;
  QGuiApplication app(argc, argv);
  UseLanguage(request.language);
  const bool pdf = request.kind == ExportRequest::Kind::Pdf;
  if (request.output.isEmpty() || request.input.isEmpty())
    return Fail(QStringLiteral("usage: orvel-pataki-chakra %1 OUT%2 FILE.opc.json")
                    .arg(pdf ? QStringLiteral("--pdf") : QStringLiteral("--png"),
                         pdf ? QStringLiteral(".pdf") : QStringLiteral(".png")));

  if (const auto unfit = UnfitTarget(request.output, request.input)) return Fail(*unfit);
  const OpenedBirthDetails opened = ReadBirthDetailsFile(request.input);
  if (!opened.details) return Fail(opened.error);
  // The texts as the form would take them on Open: the same files are accepted and refused.
  reading::TypedEntries typed = reading::AsTyped(opened.details->entries);
  if (!typed.problem.empty())
    return Fail(FileProblem(request.input, QString::fromStdString(typed.problem)));
  KeptReading reading{std::move(typed.entries), {}, {}, {}, {}};
  if (auto refusal = reading::RunReading(reading.entries, reading.record, reading.sheet))
    return Fail(FileProblem(request.input, LibraryMessage(refusal->message)));
  if (const auto skipped = SkippedTimeProblem(reading.record.Birth, opened.details->place))
    return Fail(FileProblem(request.input, *skipped));
  KeepTiming(reading);

  const auto error =
      pdf ? WriteReadingPdf(request.output, reading) : WriteChartPng(request.output, reading);
  return error ? Fail(*error) : 0;
}

}  // namespace ui

#include "ui/output/headless_export.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "reading/entry_rules.h"
#include "reading/reading.h"
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

}  // namespace

int RunHeadlessExport(int& argc, char** argv, const ExportRequest& request) {
  // No display is needed, nor may one be asked for: the offscreen platform draws fonts too.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
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
  KeptReading reading{std::move(typed.entries), {}, {}};
  if (auto refusal = reading::RunReading(reading.entries, reading.record, reading.sheet))
    return Fail(FileProblem(request.input, QString::fromStdString(refusal->message)));

  const auto error =
      pdf ? WriteReadingPdf(request.output, reading) : WriteChartPng(request.output, reading);
  return error ? Fail(*error) : 0;
}

}  // namespace ui

#include "ui/headless_export.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

#include "reading/reading.h"
#include "ui/birth_details_file.h"
#include "ui/chart_picture.h"
#include "ui/reading_page.h"

namespace ui {

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "orvel-pataki-chakra: %s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

std::optional<ExportRequest> ExportRequestFromArguments(const QStringList& arguments) {
  ExportRequest request;
  bool asked = false;
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (argument == QLatin1String("--pdf") || argument == QLatin1String("--png")) {
      asked = true;
      request.kind =
          argument == QLatin1String("--pdf") ? ExportRequest::Kind::Pdf : ExportRequest::Kind::Png;
      if (i + 1 < arguments.size()) request.output = arguments[++i];
    } else if (!argument.startsWith(QLatin1Char('-'))) {
      request.input = argument;
    }
  }
  if (!asked) return std::nullopt;
  return request;
}

int RunHeadlessExport(int& argc, char** argv, const ExportRequest& request) {
  // No display is needed, nor may one be asked for: the offscreen platform draws fonts too.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const bool pdf = request.kind == ExportRequest::Kind::Pdf;
  if (request.output.isEmpty() || request.input.isEmpty())
    return Fail(QStringLiteral("usage: orvel-pataki-chakra %1 OUT%2 FILE.opc.json")
                    .arg(pdf ? QStringLiteral("--pdf") : QStringLiteral("--png"),
                         pdf ? QStringLiteral(".pdf") : QStringLiteral(".png")));

  const OpenedBirthDetails opened = ReadBirthDetailsFile(request.input);
  if (!opened.details) return Fail(opened.error);
  KeptReading reading{opened.details->entries, {}, {}};
  if (auto refusal = reading::RunReading(reading.entries, reading.record, reading.sheet))
    return Fail(FileProblem(request.input, QString::fromStdString(refusal->message)));

  const auto error =
      pdf ? WriteReadingPdf(request.output, reading) : WriteChartPng(request.output, reading);
  return error ? Fail(*error) : 0;
}

}  // namespace ui

// Exporting a reading: the PDF page and the chart picture of the "day birth" reading, in
// memory, from a finished reading to the file's bytes (the reading itself not included).

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "reading/reading.h"
#include "ui/chart_picture.h"
#include "ui/reading_page.h"

namespace {

ui::KeptReading DayBirth() {
  ui::KeptReading reading;
  core::FormEntries& e = reading.entries;
  e.txtName = "ASHA RANI";
  e.cboMonth = 2, e.cboDate = "7", e.cboYear = "1984";
  e.cboHH = "10", e.cboMM = "5", e.cboSS = "30";
  e.txtMCity = "New Delhi", e.txtMState = "Delhi", e.txtMCountry = "India";
  e.cmbTimeZone = 34;
  e.txtLonD = "77", e.txtLonM = "13", e.txtLatD = "28", e.txtLatM = "38";
  reading::RunReading(e, reading.record, reading.sheet);
  return reading;
}

void ExportPdf(benchmark::State& state) {
  const ui::KeptReading reading = DayBirth();
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    ui::SetUpPage(writer);
    benchmark::DoNotOptimize(ui::PaintReadingPages(writer, reading));
    benchmark::DoNotOptimize(buffer.size());
  }
}
BENCHMARK(ExportPdf)->Unit(benchmark::kMillisecond);

void ChartPng(benchmark::State& state) {
  const ui::KeptReading reading = DayBirth();
  for (auto _ : state) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    benchmark::DoNotOptimize(ui::ChartPicture(reading).save(&buffer, "PNG"));
  }
}
BENCHMARK(ChartPng)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  return 0;
}

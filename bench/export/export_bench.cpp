// Exporting a reading: the PDF page and the chart picture of the "day birth" reading, in
// memory, from a finished reading to the file's bytes (the reading itself not included).

#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QPdfWriter>

#include "core/birth_details.h"
#include "reading/reading.h"
#include "ui/output/chart_picture.h"
#include "ui/output/reading_page.h"

namespace {

// The "day birth" golden reading's entries, read as a birth-details file.
ui::KeptReading DayBirth() {
  const auto parsed = core::ParseBirthDetails(R"({
    "format": "orvel-pataki-chakra/birth-details", "version": 1,
    "entries": {"txtName": "ASHA RANI", "cboMonth": "March", "cboDate": "7", "cboYear": "1984",
                "cboHH": "10", "cboMM": "5", "cboSS": "30", "txtMCity": "New Delhi",
                "txtMState": "Delhi", "txtMCountry": "India", "cmbTimeZone": 34,
                "txtLonD": "77", "txtLonM": "13", "txtLatD": "28", "txtLatM": "38"}})");
  ui::KeptReading reading{parsed.details.value().entries, {}, {}, {}, {}};
  reading::RunReading(reading.entries, reading.record, reading.sheet);
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

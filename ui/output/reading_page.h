#pragma once
// The printed reading: one page where it fits, two at most, drawn with text as text on a
// printer or into a PDF, black on white. A header with the person and the birth data, the
// chart beside the planetary positions and the Pataki Chakra details, the vedha reading, and
// a footer with the program, the date of printing and the page count.

#include <QDate>
#include <QPageSize>
#include <QString>
#include <optional>

#include "ui/output/kept_reading.h"
#include "ui/output/page_content.h"

class QPagedPaintDevice;

namespace ui {

// US Letter where the locale's paper is Letter (LC_PAPER), else A4.
QPageSize LocalePaperSize();

// The locale's paper with the page's margins, for a printer or a PDF writer.
void SetUpPage(QPagedPaintDevice& device);

// Lays the content out on the device's pages (a chart and its rows beside it, rules between
// the parts, text wrapped and broken across pages, a smaller type where it would take more
// than two pages), then draws them with a footer on each; returns the page count.
int PaintPages(QPagedPaintDevice& device, const std::vector<PageBlock>& content,
               const QDate& printed = QDate::currentDate());

// Lays the reading out on the device's pages, then draws them; returns the page count.
int PaintReadingPages(QPagedPaintDevice& device, const KeptReading& reading,
                      const QDate& printed = QDate::currentDate());

// Writes the reading as a PDF file on the locale's paper, whole or not at all; on failure, why.
std::optional<QString> WriteReadingPdf(const QString& path, const KeptReading& reading);

// "<NAME> Pataki Chakra<suffix>", fit for a file name.
QString ReadingFileName(const KeptReading& reading, const QString& suffix);

}  // namespace ui

#pragma once
// The Pataki Chakra of a reading as a picture file: its chart drawn by the chart painter, with
// the person's name and birth date under it. It never looks at the result window.

#include <QImage>
#include <QString>
#include <optional>

#include "ui/output/chart_painter.h"
#include "ui/output/kept_reading.h"

namespace ui {

// The chart alone at twice its design size in the result window, with the person's name and
// birth date under it. Device pixel ratio, resolution and fonts are fixed.
QImage ChartPicture(const KeptReading& reading);

// Writes ChartPicture as a PNG file, whole or not at all; on failure, why.
std::optional<QString> WriteChartPng(const QString& path, const KeptReading& reading);

}  // namespace ui

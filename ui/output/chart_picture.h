#pragma once
// The sign chart drawn from a reading, black on white, for paper and for a picture file: the
// twelve boxes with the bodies in each, shaded where the result window highlights, and the
// centre figure. It never looks at the result window.

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <optional>

#include "ui/output/kept_reading.h"

class QPainter;

namespace ui {

// The page's and the picture's typeface: fixed, so a picture made without a screen has the
// same pixels as one made on a desktop. DejaVu Sans comes with the build packages.
QFont PageFont(qreal points, bool bold = false);

// Width over height of the chart as DrawChart draws it.
qreal ChartAspect();

// Draws the chart into `area` (aspect kept, centred). `textPoints` is the size of the bodies'
// names in points of the painter's device; a box with many bodies shrinks its text to fit.
void DrawChart(QPainter& painter, const QRectF& area, const core::ResultSheet& sheet,
               qreal textPoints);

// The chart alone at twice its design size in the result window, with the person's name and
// birth date under it. Device pixel ratio, resolution and fonts are fixed.
QImage ChartPicture(const KeptReading& reading);

// Writes ChartPicture as a PNG file, whole or not at all; on failure, why.
std::optional<QString> WriteChartPng(const QString& path, const KeptReading& reading);

}  // namespace ui

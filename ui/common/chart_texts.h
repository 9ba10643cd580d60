#pragma once
// What a chart's boxes say, in the language in use: the signs' names and, from the chart
// model, the bodies in a sign. The result window's sign boxes and every drawing of a chart
// take their texts from here.

#include <QString>
#include <QStringList>

#include "core/chart_model.h"

namespace ui {

// The full name of sign 0 Aries .. 11 Pisces (context "Signs").
QString ChartSignName(int sign);

// The bodies in `sign`, one line each, in body order: the body's short name (context "Sheet"),
// a retrograde one with its mark, "Mars (R)".
QStringList ChartBodyLines(const core::ChartSign& sign);

// The sign box's caption as the result window shows it: a line break before each body, and a
// retrograde planet's mark with the blanks the design gives it, "\nSun\nMars (R) ".
QString SignBoxCaption(const core::ChartSign& sign);

}  // namespace ui

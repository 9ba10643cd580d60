#pragma once
// A translated template filled by the number of each placeholder. A translation may leave a
// placeholder out (Tamil writes the planet into "Vedha from %1 :- %2" in its own case) or put
// them in another order; QString::arg with several parts, or chained, would give the first part
// to the lowest placeholder left. Here %1 always takes the first part, %2 the second, one left
// out takes nothing, and a part is put in as it is (a "%2" in a file's name is never filled).

#include <QString>
#include <initializer_list>

namespace ui {

QString Filled(const QString& text, std::initializer_list<QString> parts);

// A number with at least two digits, "05", as the templates' minutes and seconds are written.
QString TwoDigits(long number);

}  // namespace ui

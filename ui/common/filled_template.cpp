#include "ui/common/filled_template.h"

#include <string>

#include "core/words.h"

namespace ui {

QString Filled(const QString& text, std::initializer_list<QString> parts) {
  return QString::fromStdString(
      core::FillPattern(text.toStdString(), parts.size(),
                        [&parts](std::size_t i) { return parts.begin()[i].toStdString(); }));
}

QString TwoDigits(long number) {
  return QString::number(number).rightJustified(2, QLatin1Char('0'));
}

}  // namespace ui

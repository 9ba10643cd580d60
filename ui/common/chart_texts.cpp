#include "ui/common/chart_texts.h"

#include <QCoreApplication>

namespace ui {

namespace {

constexpr const char* kSignNames[12] = {
    QT_TRANSLATE_NOOP("Signs", "Aries"),       QT_TRANSLATE_NOOP("Signs", "Taurus"),
    QT_TRANSLATE_NOOP("Signs", "Gemini"),      QT_TRANSLATE_NOOP("Signs", "Cancer"),
    QT_TRANSLATE_NOOP("Signs", "Leo"),         QT_TRANSLATE_NOOP("Signs", "Virgo"),
    QT_TRANSLATE_NOOP("Signs", "Libra"),       QT_TRANSLATE_NOOP("Signs", "Scorpio"),
    QT_TRANSLATE_NOOP("Signs", "Sagittarius"), QT_TRANSLATE_NOOP("Signs", "Capricorn"),
    QT_TRANSLATE_NOOP("Signs", "Aquarius"),    QT_TRANSLATE_NOOP("Signs", "Pisces")};

QString BodyLine(const core::ChartBody& body) {
  if (body.body < 0 || body.body >= static_cast<int>(core::kBodyNames.size())) return {};
  const std::string name(core::kBodyNames[static_cast<std::size_t>(body.body)]);
  QString line = QCoreApplication::translate("Sheet", name.c_str());
  if (body.retrograde) line += QLatin1Char(' ') + QCoreApplication::translate("Sheet", "(R)");
  return line;
}

}  // namespace

QString ChartSignName(int sign) {
  if (sign < 0 || sign >= 12) return {};
  return QCoreApplication::translate("Signs", kSignNames[sign]);
}

QStringList ChartBodyLines(const core::ChartSign& sign) {
  QStringList lines;
  for (const core::ChartBody& body : sign.bodies) lines << BodyLine(body);
  return lines;
}

QString SignBoxCaption(const core::ChartSign& sign) {
  QString caption;
  for (const core::ChartBody& body : sign.bodies)
    caption +=
        QLatin1Char('\n') + BodyLine(body) + (body.retrograde ? QStringLiteral(" ") : QString());
  return caption;
}

}  // namespace ui

#include "ui/common/dasha_captions.h"

#include <QCoreApplication>
#include <string>

#include "ui/common/filled_template.h"

namespace ui {

QString LordCaption(dasha::Lord lord) {
  // The lords are planets, named as the result sheet names them.
  return QCoreApplication::translate("Sheet", std::string(dasha::LordName(lord)).c_str());
}

QString BalanceCaption(const dasha::Balance& balance) {
  return Filled(QCoreApplication::translate(
                    "Dasha", "Balance of %1's mahadasha at birth: %2 years %3 months %4 days"),
                {LordCaption(balance.lord), QString::number(balance.years),
                 QString::number(balance.months), QString::number(balance.days)});
}

QString YearLengthCaption(const dasha::Vimshottari& dasha) {
  return Filled(QCoreApplication::translate("Dasha", "Years of %1 days"),
                {QString::number(dasha.yearDays)});
}

QString DateCaption(const std::chrono::year_month_day& date) {
  return QStringLiteral("%1-%2-%3")
      .arg(static_cast<int>(date.year()), 4, 10, QLatin1Char('0'))
      .arg(static_cast<unsigned>(date.month()), 2, 10, QLatin1Char('0'))
      .arg(static_cast<unsigned>(date.day()), 2, 10, QLatin1Char('0'));
}

QString AgeCaption(const dasha::Mahadasha& mahadasha) {
  return mahadasha.ageAtStart.count() < 0 ? QCoreApplication::translate("Dasha", "before birth")
                                          : QString::number(mahadasha.ageYears, 'f', 1);
}

}  // namespace ui

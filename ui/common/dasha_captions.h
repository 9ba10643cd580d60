#pragma once
// The nakshatra and dasha as the result window and the page write them.

#include <QString>
#include <chrono>

#include "dasha/vimshottari.h"

namespace ui {

// "Saturn".
QString LordCaption(dasha::Lord lord);
// "Balance of Saturn's mahadasha at birth: 18 years 0 months 27 days".
QString BalanceCaption(const dasha::Balance& balance);
// "Years of 365.25 days".
QString YearLengthCaption(const dasha::Vimshottari& dasha);
// A date as "1947-08-15".
QString DateCaption(const std::chrono::year_month_day& date);
// The person's age at a mahadasha's start in years to one decimal, or "before birth".
QString AgeCaption(const dasha::Mahadasha& mahadasha);

}  // namespace ui

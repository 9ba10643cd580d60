#pragma once
// The library's own texts (English, without Qt) translated where the windows show them. The
// keys of the translations are the library's exact texts, so English shows them unchanged;
// library_texts.cpp lists them for lupdate, one context for each kind.

#include <QString>
#include <string_view>

#include "core/birth_value.h"

namespace core {
struct Words;
}

namespace ui {

// A message of the entries' checks ("Please Select Time Zone"), context "Messages".
QString LibraryMessage(std::string_view message);

// A caption of the result sheet (a weekday, a sign, a planet, a design caption), context
// "Sheet": the whole caption is the key, so a caption holding a value (a time, a degree) shows
// as written.
QString SheetCaption(const QString& caption);

// A month's name, 1 January .. 12 December, in the language in use (context "Months").
QString MonthText(int month);

// A sunrise, sunset or birth moment, "7 March 1984 06:32:00", the month's name in the language
// in use.
QString LocalDateTimeText(core::LocalTime t);

// The clock used, as places/ lists it for the result and the page ("UTC+6:30, war time,
// Asia/Kolkata"), with the clock's name translated (context "ClockStatus").
QString ClockText(const QString& text);

// A sentence places/ writes as words (the form's status line, its questions and their
// answers): its template translated whole (context "ClockStatus", a month's name "Months"),
// then filled with its parts, each translated the same way; the fixed parts stay as written.
QString WordsText(const core::Words& words);

// A row of the form's zone list ("Indian Time,IST,+5.3"), context "Zones".
QString ZoneRowText(std::string_view row);

// The description of the program the form and the about box show.
QString Description();

}  // namespace ui

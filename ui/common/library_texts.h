#pragma once
// The library's own texts (English, without Qt) translated where the windows show them. The
// keys of the translations are the library's exact texts, so English shows them unchanged;
// library_texts.cpp lists them for lupdate, one context for each kind.

#include <QString>
#include <string_view>

namespace ui {

// A message of the entries' checks ("Please Select Time Zone"), context "Messages".
QString LibraryMessage(std::string_view message);

// A caption of the result sheet (a weekday, a sign, a planet, a design caption), context
// "Sheet": the whole caption is the key, so a caption holding a value (a time, a degree) shows
// as written.
QString SheetCaption(const QString& caption);

// `text` with the English month names in it ("15 December 1943", "August/15/1947") by the
// program's own names of the language in use (context "Months").
QString WithMonthNames(QString text);

// A clock sentence of places/ (the form's status line, its questions and their answers, the
// clock used): translated whole where the translations hold it, else its fixed words one by
// one (context "ClockStatus"); the place names, dates and offsets in it stay as written.
QString ClockText(const QString& text);

// A row of the form's zone list ("Indian Time,IST,+5.3"), context "Zones".
QString ZoneRowText(std::string_view row);

// The description of the program the form and the about box show.
QString Description();

}  // namespace ui

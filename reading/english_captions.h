#pragma once
// The English edge of a reading: the captions of the result window written from the reading's
// facts, byte for byte as the window has always shown them. Other languages write theirs from
// the same facts (ui/common/reading_text.h).

#include <string>

#include "core/birth_value.h"
#include "core/reading_facts.h"
#include "core/result_sheet.h"

namespace reading {

// How a sunrise, sunset or birth moment is shown: "7 March 1984 06:32:00".
std::string DateTimeText(core::LocalTime t);

// The record's date of birth, "March 7,1984".
std::string RecordDateText(int month, int day, int year);
// "<month name>/<day>/<year>": "March/7/1984".
std::string BirthDateCaption(std::chrono::year_month_day date);
// "13° 5' N": latitude (N or S) or longitude (E or W) as entered.
std::string CoordinateCaption(const core::GeoAngle& angle, bool latitude);
// "11:44": whole hours and minutes, no leading zeros.
std::string HoursMinutesCaption(std::chrono::seconds length);
// The sunrise or sunset caption: its date and time and the note; empty without a time.
std::string SunTimeCaption(const std::optional<core::LocalTime>& t, core::SunDay day);

// Writes the birth's date, time and place, the weekday, the sun times and the period's lengths
// from the facts, each where the facts hold it.
void WriteEnglishCaptions(const core::ReadingFacts& facts, core::ResultSheet& sheet);

}  // namespace reading

#include "ui/common/library_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/words.h"

namespace ui {

namespace {

// The messages reading/ writes (validate_entries.cpp, entry_rules.cpp, parse_birth.cpp),
// exactly as written there: lupdate reads them from here.
[[maybe_unused]] constexpr const char* kMessages[] = {
    QT_TRANSLATE_NOOP("Messages", "Please Enter Name"),
    QT_TRANSLATE_NOOP("Messages", "Please Enter Correct Date Or Month!"),
    QT_TRANSLATE_NOOP("Messages", "Please Enter Correct Date Or Month !"),
    QT_TRANSLATE_NOOP("Messages", "Please Select Time Zone"),
    QT_TRANSLATE_NOOP("Messages", "Only Numbers Are Accepted"),
    QT_TRANSLATE_NOOP("Messages", "Please Enter only Letters"),
    QT_TRANSLATE_NOOP("Messages",
                      "Please Enter Value Between 0 And 179 in the Degree of Longitude"),
    QT_TRANSLATE_NOOP("Messages",
                      "Please Enter Value Between 0 And 59 in the  Minute of Longitude"),
    QT_TRANSLATE_NOOP("Messages", "Please Enter Value Between 0 And 89 in the Degree of Latitude"),
    QT_TRANSLATE_NOOP("Messages", "Please Enter Value Between 0 And 59 in the  Minute of Latitude"),
    // reading/swiss_sky.cpp: the ephemeris files of the years the Swiss Ephemeris reads.
    QT_TRANSLATE_NOOP("Messages",
                      "The Swiss Ephemeris file sepl_18.se1 is damaged or cannot be read. "
                      "Reinstall the package swe-basic-data, or choose the built-in formulas in "
                      "the Calculation menu."),
    QT_TRANSLATE_NOOP("Messages",
                      "The Swiss Ephemeris file semo_18.se1 is damaged or cannot be read. "
                      "Reinstall the package swe-basic-data, or choose the built-in formulas in "
                      "the Calculation menu.")};

// core::kFormFields's accessible names of the form's boxes, which the form translates.
[[maybe_unused]] constexpr const char* kFormFieldNames[] = {
    QT_TRANSLATE_NOOP("BirthForm", "Name"),
    QT_TRANSLATE_NOOP("BirthForm", "Month of birth"),
    QT_TRANSLATE_NOOP("BirthForm", "Day of birth"),
    QT_TRANSLATE_NOOP("BirthForm", "Year of birth"),
    QT_TRANSLATE_NOOP("BirthForm", "Hour of birth"),
    QT_TRANSLATE_NOOP("BirthForm", "Minute of birth"),
    QT_TRANSLATE_NOOP("BirthForm", "Second of birth"),
    QT_TRANSLATE_NOOP("BirthForm", "City"),
    QT_TRANSLATE_NOOP("BirthForm", "State"),
    QT_TRANSLATE_NOOP("BirthForm", "Country"),
    QT_TRANSLATE_NOOP("BirthForm", "Time zone"),
    QT_TRANSLATE_NOOP("BirthForm", "Longitude degrees"),
    QT_TRANSLATE_NOOP("BirthForm", "Longitude minutes"),
    QT_TRANSLATE_NOOP("BirthForm", "Latitude degrees"),
    QT_TRANSLATE_NOOP("BirthForm", "Latitude minutes")};

// core::kMonthNames, for the form's month list.
constexpr const char* kMonths[] = {
    QT_TRANSLATE_NOOP("Months", "January"),   QT_TRANSLATE_NOOP("Months", "February"),
    QT_TRANSLATE_NOOP("Months", "March"),     QT_TRANSLATE_NOOP("Months", "April"),
    QT_TRANSLATE_NOOP("Months", "May"),       QT_TRANSLATE_NOOP("Months", "June"),
    QT_TRANSLATE_NOOP("Months", "July"),      QT_TRANSLATE_NOOP("Months", "August"),
    QT_TRANSLATE_NOOP("Months", "September"), QT_TRANSLATE_NOOP("Months", "October"),
    QT_TRANSLATE_NOOP("Months", "November"),  QT_TRANSLATE_NOOP("Months", "December")};

// The words of the result sheet's captions (reading.cpp, yamardha.cpp, calendar_angles.h):
// weekdays, bodies, the Sanskrit sign names of Lagna and Rashi, day and night.
[[maybe_unused]] constexpr const char* kSheetWords[] = {
    QT_TRANSLATE_NOOP("Sheet", "Sunday"),     QT_TRANSLATE_NOOP("Sheet", "Monday"),
    QT_TRANSLATE_NOOP("Sheet", "Tuesday"),    QT_TRANSLATE_NOOP("Sheet", "Wednesday"),
    QT_TRANSLATE_NOOP("Sheet", "Thursday"),   QT_TRANSLATE_NOOP("Sheet", "Friday"),
    QT_TRANSLATE_NOOP("Sheet", "Saturday"),   QT_TRANSLATE_NOOP("Sheet", "Sun"),
    QT_TRANSLATE_NOOP("Sheet", "Moon"),       QT_TRANSLATE_NOOP("Sheet", "Mercury"),
    QT_TRANSLATE_NOOP("Sheet", "Venus"),      QT_TRANSLATE_NOOP("Sheet", "Mars"),
    QT_TRANSLATE_NOOP("Sheet", "Jupiter"),    QT_TRANSLATE_NOOP("Sheet", "Saturn"),
    QT_TRANSLATE_NOOP("Sheet", "Rahu"),       QT_TRANSLATE_NOOP("Sheet", "Ketu"),
    QT_TRANSLATE_NOOP("Sheet", "Asc"),        QT_TRANSLATE_NOOP("Sheet", "Mesha"),
    QT_TRANSLATE_NOOP("Sheet", "Vrishabha"),  QT_TRANSLATE_NOOP("Sheet", "Mithuna"),
    QT_TRANSLATE_NOOP("Sheet", "Kataka"),     QT_TRANSLATE_NOOP("Sheet", "Simha"),
    QT_TRANSLATE_NOOP("Sheet", "Kanya"),      QT_TRANSLATE_NOOP("Sheet", "Thula"),
    QT_TRANSLATE_NOOP("Sheet", "Vrishchika"), QT_TRANSLATE_NOOP("Sheet", "Dhanush"),
    QT_TRANSLATE_NOOP("Sheet", "Makara"),     QT_TRANSLATE_NOOP("Sheet", "Kumbha"),
    QT_TRANSLATE_NOOP("Sheet", "Meena"),      QT_TRANSLATE_NOOP("Sheet", "Dinamana"),
    QT_TRANSLATE_NOOP("Sheet", "Ratrimana")};

// dasha::NakshatraName's 27 names.
[[maybe_unused]] constexpr const char* kNakshatras[] = {
    QT_TRANSLATE_NOOP("Nakshatras", "Ashwini"),
    QT_TRANSLATE_NOOP("Nakshatras", "Bharani"),
    QT_TRANSLATE_NOOP("Nakshatras", "Krittika"),
    QT_TRANSLATE_NOOP("Nakshatras", "Rohini"),
    QT_TRANSLATE_NOOP("Nakshatras", "Mrigashira"),
    QT_TRANSLATE_NOOP("Nakshatras", "Ardra"),
    QT_TRANSLATE_NOOP("Nakshatras", "Punarvasu"),
    QT_TRANSLATE_NOOP("Nakshatras", "Pushya"),
    QT_TRANSLATE_NOOP("Nakshatras", "Ashlesha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Magha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Purva Phalguni"),
    QT_TRANSLATE_NOOP("Nakshatras", "Uttara Phalguni"),
    QT_TRANSLATE_NOOP("Nakshatras", "Hasta"),
    QT_TRANSLATE_NOOP("Nakshatras", "Chitra"),
    QT_TRANSLATE_NOOP("Nakshatras", "Swati"),
    QT_TRANSLATE_NOOP("Nakshatras", "Vishakha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Anuradha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Jyeshtha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Mula"),
    QT_TRANSLATE_NOOP("Nakshatras", "Purva Ashadha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Uttara Ashadha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Shravana"),
    QT_TRANSLATE_NOOP("Nakshatras", "Dhanishta"),
    QT_TRANSLATE_NOOP("Nakshatras", "Shatabhisha"),
    QT_TRANSLATE_NOOP("Nakshatras", "Purva Bhadrapada"),
    QT_TRANSLATE_NOOP("Nakshatras", "Uttara Bhadrapada"),
    QT_TRANSLATE_NOOP("Nakshatras", "Revati")};

// The templates of the clock sentences and questions places/ writes as words
// (clock_status.cpp, place_entry.cpp) and the form's hand-edit notes, each translated whole:
// %1 .. %9 stand for the parts (place names, dates, times, offsets, zone ids, the clock's name).
[[maybe_unused]] constexpr const char* kClockTemplates[] = {
    //: a date: day, month, year
    QT_TRANSLATE_NOOP("ClockStatus", "%1 %2 %3"),
    //: place, date, time: why no clock could be read
    QT_TRANSLATE_NOOP("ClockStatus", "%1, %2 %3: %4"),
    //: place, date, time: the clock; tz data version, zone id
    QT_TRANSLATE_NOOP("ClockStatus", "%1, %2 %3: %4; tz database %5, %6"),
    QT_TRANSLATE_NOOP("ClockStatus",
                      "%1, %2 %3: this time did not exist there: clocks went from %4 to %5; "
                      "most likely it means %6 (%7); tz database %8, %9"),
    //: place, date, time: a day the clocks skipped whole; the days before and after it, the
    //: date and time it most likely means, the new offset; tz data version, zone id
    QT_TRANSLATE_NOOP("ClockStatus",
                      "%1, %2 %3: this day did not exist there: the clocks went from the end of "
                      "%4 straight to %5; most likely it means %6 (%7); tz database %8, %9"),
    //: a date and a time
    QT_TRANSLATE_NOOP("ClockStatus", "%1 %2"),
    QT_TRANSLATE_NOOP("ClockStatus",
                      "%1, %2 %3: this time happened twice there, as clocks went back from %4 "
                      "to %5; taken as the first, %6; tz database %7, %8"),
    QT_TRANSLATE_NOOP("ClockStatus",
                      "%1, %2 %3: this time happened twice there, as clocks went back from %4 "
                      "to %5; taken as the second, %6; tz database %7, %8"),
    //: offset, the clock's name
    QT_TRANSLATE_NOOP("ClockStatus", "clocks were %1 (%2)"),
    //: place, offset
    QT_TRANSLATE_NOOP("ClockStatus", "no common clock yet: local mean time of %1, %2"),
    //: place, offset: the zone list's entry for a clock none of its rows shows
    QT_TRANSLATE_NOOP("ClockStatus", "%1 clock, %2"),
    //: offset: the zone list's entry for the mean time of a city the tz database names
    QT_TRANSLATE_NOOP("ClockStatus", "Howrah time, %1"),
    //: offset
    QT_TRANSLATE_NOOP("ClockStatus", "Madras time, %1"),
    //: offset
    QT_TRANSLATE_NOOP("ClockStatus", "Moratuwa time, %1"),
    //: offset
    QT_TRANSLATE_NOOP("ClockStatus", "Rangoon time, %1"),
    //: place, offset: the zone list's entry for a place's own mean time
    QT_TRANSLATE_NOOP("ClockStatus", "local mean time of %1, %2"),
    QT_TRANSLATE_NOOP("ClockStatus", "summer time, %1 minutes ahead"),
    QT_TRANSLATE_NOOP("ClockStatus", "war time, kept all year"),
    QT_TRANSLATE_NOOP("ClockStatus", "ahead of standard time all year"),
    QT_TRANSLATE_NOOP("ClockStatus", "no clock history for this zone"),
    QT_TRANSLATE_NOOP("ClockStatus", "the date lies outside 1800-2399"),
    QT_TRANSLATE_NOOP("ClockStatus", "the longitude lies outside -180..180 degrees"),
    QT_TRANSLATE_NOOP(
        "ClockStatus",
        "%1: the birth date is not a date of the calendar; the clock is left as it is."),
    //: the status sentence, the time on the new clock
    QT_TRANSLATE_NOOP("ClockStatus", "%1; read as %2 as you answered"),
    //: what was done by hand
    QT_TRANSLATE_NOOP("ClockStatus",
                      "%1: the atlas no longer sets the clock; pick the city again to let it."),
    QT_TRANSLATE_NOOP("ClockStatus",
                      "City changed by hand: the state, country, coordinates and clock are still "
                      "those of %1; the reading will ask whether to keep them."),
    QT_TRANSLATE_NOOP(
        "ClockStatus",
        "Enter the state, country, coordinates and time zone of %1, or pick it from the atlas."),
    //: city, date, clock times before and after the jump, the birth time, the time it most likely
    //: means, new offset, old offset
    QT_TRANSLATE_NOOP("ClockStatus",
                      "In %1 on %2 the clocks jumped from %3 to %4, so %5 did not exist there. "
                      "Most likely it means %6 on the new clock (%7), the moment the clock "
                      "before the change (%8) would have shown as %5. The birth time stays as "
                      "you typed it."),
    //: city, the day skipped whole, the days before and after it, the date and time it most
    //: likely means, new offset
    QT_TRANSLATE_NOOP("ClockStatus",
                      "In %1 the whole of %2 did not exist: the clocks went from the end of %3 "
                      "straight to %4. Most likely it means %5 %6 on the new clock (%7). The "
                      "birth time stays as you typed it."),
    //: time, offset
    QT_TRANSLATE_NOOP("ClockStatus", "Take %1 %2"),
    //: city, time, date, offsets before and after
    QT_TRANSLATE_NOOP("ClockStatus",
                      "In %1, %2 on %3 happened twice: the clocks went back from %4 to %5. "
                      "Which of the two was the birth?"),
    //: offset and zone
    QT_TRANSLATE_NOOP("ClockStatus", "The first (%1, still summer time)"),
    //: offset and zone
    QT_TRANSLATE_NOOP("ClockStatus", "The first (%1)"),
    //: offset and zone
    QT_TRANSLATE_NOOP("ClockStatus", "The second (%1)"),
    //: the City typed, the place picked
    QT_TRANSLATE_NOOP("ClockStatus",
                      "The City reads \"%1\", but the state, country, coordinates and clock are "
                      "those of %2. Keep them for %1?"),
    //: the City typed, the place picked, the atlas's place the City names
    QT_TRANSLATE_NOOP("ClockStatus",
                      "The City reads \"%1\", but the state, country, coordinates and clock are "
                      "those of %2. Take %3 from the atlas, or keep them for %1?"),
    //: the atlas's place the City names
    QT_TRANSLATE_NOOP("ClockStatus", "Take %1 from the atlas"),
    QT_TRANSLATE_NOOP("ClockStatus", "Keep them"), QT_TRANSLATE_NOOP("ClockStatus", "Clear them"),
    QT_TRANSLATE_NOOP("ClockStatus", "The place was changed elsewhere"),
    QT_TRANSLATE_NOOP("ClockStatus", "The clock was read from the file"),
    QT_TRANSLATE_NOOP("ClockStatus", "City entered by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "State entered by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Country entered by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Longitude entered by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Latitude entered by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Daylight saving set by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Longitude set by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Latitude set by hand"),
    QT_TRANSLATE_NOOP("ClockStatus", "Time zone chosen by hand")};

// The clock used, as the result and the page show it ("UTC+6:30, war time, Asia/Kolkata"): a
// list, its clock's name translated where it stands. The longest come first, so that "summer
// time" goes whole before a shorter name inside it.
constexpr const char* kClockNames[] = {
    QT_TRANSLATE_NOOP("ClockStatus", ", the clock before the change, "),
    QT_TRANSLATE_NOOP("ClockStatus", "set back from the usual clock"),
    QT_TRANSLATE_NOOP("ClockStatus", "ahead of standard time"),
    QT_TRANSLATE_NOOP("ClockStatus", "double summer time"),
    QT_TRANSLATE_NOOP("ClockStatus", "local mean time"),
    QT_TRANSLATE_NOOP("ClockStatus", " minutes ahead"),
    QT_TRANSLATE_NOOP("ClockStatus", "standard time"),
    QT_TRANSLATE_NOOP("ClockStatus", "summer time"),
    QT_TRANSLATE_NOOP("ClockStatus", "winter time"),
    QT_TRANSLATE_NOOP("ClockStatus", "war time")};

// The rows of the zone list (core/zone_table.cpp), each whole: the words are translated, the
// abbreviation and the offset kept.
[[maybe_unused]] constexpr const char* kZoneRows[] = {
    QT_TRANSLATE_NOOP("Zones", "Alaska/Hawaii Daylight Time,AHDT,-9.0"),
    QT_TRANSLATE_NOOP("Zones", "Alaska/Hawaii Standard Time,AHST,-10.0"),
    QT_TRANSLATE_NOOP("Zones", "Alaska/Hawaii War Time,AHWT,-9.0"),
    QT_TRANSLATE_NOOP("Zones", "Atlantic Standard Time,AST,-4.0"),
    QT_TRANSLATE_NOOP("Zones", "Atlantic War Time,AWT,-3.0"),
    QT_TRANSLATE_NOOP("Zones", "Australian Central Daylight Time,ACDT,+10.5"),
    QT_TRANSLATE_NOOP("Zones", "Australian Central Standard Time,ACST,+9.5"),
    QT_TRANSLATE_NOOP("Zones", "Australian Eastern Daylight Time,AEDT,+11.0"),
    QT_TRANSLATE_NOOP("Zones", "Australian Eastern Standard Time,AEST,+10.0"),
    QT_TRANSLATE_NOOP("Zones", "Australian Western Daylight Time,AWDT,+9.0"),
    QT_TRANSLATE_NOOP("Zones", "Australian Western Standard Time,AWST,+8.0"),
    QT_TRANSLATE_NOOP("Zones", "Azores Time, AT, -2.0"),
    QT_TRANSLATE_NOOP("Zones", "Baghdad Time, BAT, +3.0"),
    QT_TRANSLATE_NOOP("Zones", "Bering Standard Time,BET,-11.0"),
    QT_TRANSLATE_NOOP("Zones", "Brazil Zone 2,BZT2,-3.0"),
    QT_TRANSLATE_NOOP("Zones", "British Double Summer Time,BDST,+2.0"),
    QT_TRANSLATE_NOOP("Zones", "British Summer Time,BST,+1.0"),
    QT_TRANSLATE_NOOP("Zones", "British War Time,BWT,+2.0"),
    QT_TRANSLATE_NOOP("Zones", "Central Daylight Time,CDT,-5.0"),
    QT_TRANSLATE_NOOP("Zones", "Central European Daylight,CED,+2.0"),
    QT_TRANSLATE_NOOP("Zones", "Central European Time,CET,+1.0"),
    QT_TRANSLATE_NOOP("Zones", "Central Standard Time,CST,-6.0"),
    QT_TRANSLATE_NOOP("Zones", "Central War Time,CWT,-5.0"),
    QT_TRANSLATE_NOOP("Zones", "China Coast Time,CCT,+8.0"),
    QT_TRANSLATE_NOOP("Zones", "Eastern Daylight Time,EDT,-4.0"),
    QT_TRANSLATE_NOOP("Zones", "Eastern European Daylight Time,EED,+3.0"),
    QT_TRANSLATE_NOOP("Zones", "Eastern European Time,EET,+2.0"),
    QT_TRANSLATE_NOOP("Zones", "Eastern Standard Time,EST,-5.0"),
    QT_TRANSLATE_NOOP("Zones", "Eastern War Time,EWT,-4.0"),
    QT_TRANSLATE_NOOP("Zones", "Greenwich Mean Time,GMT,0.0"),
    QT_TRANSLATE_NOOP("Zones", "Guam Standard Time,GST,+10.0"),
    QT_TRANSLATE_NOOP("Zones", "Hawaiian Daylight Time,HDT,-9.5"),
    QT_TRANSLATE_NOOP("Zones", "Hawaiian Standard Time,HST,-10.5"),
    QT_TRANSLATE_NOOP("Zones", "Hawaiian War Time,HWT,-9.5"),
    QT_TRANSLATE_NOOP("Zones", "Indian Time, IST, +5.3"),
    QT_TRANSLATE_NOOP("Zones", "Int'l Date Line East,IDLE,+12.0"),
    QT_TRANSLATE_NOOP("Zones", "Int'l Date Line West,IDLW,-12.0"),
    QT_TRANSLATE_NOOP("Zones", "Iran Time, IT, +3.5"),
    QT_TRANSLATE_NOOP("Zones", "Japan Standard Time,JST,+9.0"),
    QT_TRANSLATE_NOOP("Zones", "Java Time, JT, +7.5"),
    QT_TRANSLATE_NOOP("Zones", "Middle European Daylight Time,MED,+2.0"),
    QT_TRANSLATE_NOOP("Zones", "Middle European Time,MET,+1.0"),
    QT_TRANSLATE_NOOP("Zones", "Moluccas Time, MT, +8.5"),
    QT_TRANSLATE_NOOP("Zones", "Mountain Daylight Time,MDT,-6.0"),
    QT_TRANSLATE_NOOP("Zones", "Mountain Standard Time,MST,-7.0"),
    QT_TRANSLATE_NOOP("Zones", "Mountain War Time,MWT,-6.0"),
    QT_TRANSLATE_NOOP("Zones", "New Zealand Std Summer Time,NZST,+13.0"),
    QT_TRANSLATE_NOOP("Zones", "New Zealand Std Time,NZT,+12.0"),
    QT_TRANSLATE_NOOP("Zones", "New Zealand Summer Time,NZS,+12.5"),
    QT_TRANSLATE_NOOP("Zones", "New Zealand Time,NZ,+11.5"),
    QT_TRANSLATE_NOOP("Zones", "Newfoundland Standard Time,NST,-3.5"),
    QT_TRANSLATE_NOOP("Zones", "Nome Time, NT, -11.0"),
    QT_TRANSLATE_NOOP("Zones", "North Sumatra Time,NST,+6.5"),
    QT_TRANSLATE_NOOP("Zones", "Pacific Daylight Time,PDT,-7.0"),
    QT_TRANSLATE_NOOP("Zones", "Pacific Standard Time,PST,-8.0"),
    QT_TRANSLATE_NOOP("Zones", "Pacific War Time,PWT,-7.0"),
    QT_TRANSLATE_NOOP("Zones", "South Australia Daylight Time,SAD,+10.5"),
    QT_TRANSLATE_NOOP("Zones", "South Australia Daylight Time,SDT,+10.5"),
    QT_TRANSLATE_NOOP("Zones", "South Australia Standard Time,SAST,+9.5"),
    QT_TRANSLATE_NOOP("Zones", "South Australia Standard Time,SAT,+9.5"),
    QT_TRANSLATE_NOOP("Zones", "South Sumatra Time,SST,+7.0"),
    QT_TRANSLATE_NOOP("Zones", "Universal Time, UT, 0.0"),
    QT_TRANSLATE_NOOP("Zones", "USSR Zone 10,UZ10,+11.0"),
    QT_TRANSLATE_NOOP("Zones", "USSR Zone 3,USZ3,+4.0"),
    QT_TRANSLATE_NOOP("Zones", "USSR Zone 4,USZ4,+5.0"),
    QT_TRANSLATE_NOOP("Zones", "USSR Zone 5,USZ5,+6.0"),
    QT_TRANSLATE_NOOP("Zones", "USSR Zone 6,USZ6,+7.0"),
    QT_TRANSLATE_NOOP("Zones", "West Africa Time,WAT,-1.0"),
    QT_TRANSLATE_NOOP("Zones", "Yukon Daylight Time,YDT,-8.0"),
    QT_TRANSLATE_NOOP("Zones", "Yukon Standard Time,YST,-9.0"),
    QT_TRANSLATE_NOOP("Zones", "Yukon War Time,YWT,-8.0")};

}  // namespace

QString LibraryMessage(std::string_view message) {
  return QCoreApplication::translate("Messages", std::string(message).c_str());
}

QString SheetCaption(const QString& caption) {
  // Line by line: a sign box lists one body a line, a retrograde one marked " (R)".
  QStringList lines = caption.split(QLatin1Char('\n'));
  for (QString& line : lines) {
    const qsizetype mark = line.indexOf(QLatin1String(" (R)"));
    const QString word = mark < 0 ? line : line.left(mark);
    if (word.isEmpty()) continue;
    const QString translated = QCoreApplication::translate("Sheet", word.toUtf8().constData());
    // A date or time in a caption ("14 August 1947 05:49:00") keeps all but its month's name.
    line = translated + (mark < 0
                             ? QString()
                             : line.mid(mark).replace(QLatin1String("(R)"),
                                                      QCoreApplication::translate("Sheet", "(R)")));
  }
  return lines.join(QLatin1Char('\n'));
}

QString MonthText(int month) {
  if (month < 1 || month > 12) return {};
  return QCoreApplication::translate("Months", kMonths[month - 1]);
}

QString LocalDateTimeText(core::LocalTime t) {
  using namespace std::chrono;
  const auto dayStart = floor<days>(t);
  const year_month_day date{dayStart};
  const hh_mm_ss time{t - dayStart};
  return QStringLiteral("%1 %2 %3 %4:%5:%6")
      .arg(unsigned(date.day()))
      .arg(MonthText(int(unsigned(date.month()))))
      .arg(int(date.year()))
      .arg(time.hours().count(), 2, 10, QLatin1Char('0'))
      .arg(time.minutes().count(), 2, 10, QLatin1Char('0'))
      .arg(time.seconds().count(), 2, 10, QLatin1Char('0'));
}

QString ClockText(const QString& text) {
  // In English nothing is translated; the list stays as places/ wrote it.
  QString translated = text;
  for (const char* name : kClockNames) {
    const QString source = QString::fromUtf8(name);
    const QString target = QCoreApplication::translate("ClockStatus", name);
    if (target != source) translated.replace(source, target);
  }
  return translated;
}

QString WordsText(const core::Words& words) {
  const QString pattern = QString::fromStdString(words.pattern);
  if (!words.translated) return pattern;
  QString translated = QCoreApplication::translate("ClockStatus", words.pattern.c_str());
  // A month's name is translated where the months are.
  if (translated == pattern && words.parts.empty())
    translated = QCoreApplication::translate("Months", words.pattern.c_str());
  return QString::fromStdString(core::FillPattern(
      translated.toStdString(), words.parts.size(),
      [&words](std::size_t i) { return WordsText(words.parts[i]).toStdString(); }));
}

QString ZoneRowText(std::string_view row) {
  return QCoreApplication::translate("Zones", std::string(row).c_str());
}

QString Description() {
  return QCoreApplication::translate(
      "Program",
      "Orvel Pataki Chakra generates the Pataki Chakra of your natal chart based on Vedic "
      "Astrology principles. The Pataki Chakra or Tri Pataki Chakra means a flag of three in "
      "Sanskrit. It gives you information about your ill health and the planetary influences on "
      "the Moon.");
}

}  // namespace ui

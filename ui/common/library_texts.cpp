#include "ui/common/library_texts.h"

#include <QCoreApplication>
#include <QStringList>
#include <string>

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
    QT_TRANSLATE_NOOP("Messages",
                      "Please Enter Value Between 0 And 59 in the  Minute of Latitude")};

// core::kMonthNames, for the form's month list.
[[maybe_unused]] constexpr const char* kMonths[] = {
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
    line = QCoreApplication::translate("Sheet", word.toUtf8().constData()) +
           (mark < 0 ? QString() : line.mid(mark));
  }
  return lines.join(QLatin1Char('\n'));
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

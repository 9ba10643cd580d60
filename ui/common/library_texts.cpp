#include "ui/common/library_texts.h"

#include <QCoreApplication>
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

}  // namespace

QString LibraryMessage(std::string_view message) {
  return QCoreApplication::translate("Messages", std::string(message).c_str());
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

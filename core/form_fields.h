#pragma once
// The birth-data form's fields, each listed once: its widget's object name, its key in the
// entries' JSON (reading-dump lines and birth-details files), its accessible name, which kind
// of widget holds it and, for a text box, what the keyboard may type there. Every user of a
// field goes through this list.

#include <array>
#include <string>
#include <string_view>

#include "core/form_entries.h"

namespace core {

enum class FieldWidget {
  TextBox,     // free text, typed under the box's key rule
  PickList,    // one of a fixed list of texts (the month list: a name)
  ZoneList,    // a row of the zone table, or none
  CheckBox,    // true or false
  OptionPair,  // two option buttons, objectName + "0" and + "1"
};

// What a keystroke may type into a text box.
enum class KeyRule {
  Name,    // letters, shown in capitals, and the space
  Digits,  // digits
  Any,     // any character that types one
};

// A line edit's default length limit, for the boxes that set none.
inline constexpr int kUnlimitedLength = 32767;

struct FormField {
  std::string_view objectName;
  std::string_view jsonKey;
  std::string_view accessibleName;  // empty where the widget's own text names it
  FieldWidget widget;
  std::string FormEntries::*text = nullptr;  // text boxes and number lists
  const NumberList* list = nullptr;          // number lists
  KeyRule rule = KeyRule::Any;
  int maxLength = kUnlimitedLength;
};

// In the form's order, which is also the order of the JSON an entry set is written in.
inline constexpr std::array<FormField, 18> kFormFields = {{
    {"txtName", "txtName", "Name", FieldWidget::TextBox, &FormEntries::txtName, nullptr,
     KeyRule::Name},
    {"cboMonth", "cboMonth", "Month of birth", FieldWidget::PickList},
    {"cboDate", "cboDate", "Day of birth", FieldWidget::PickList, &FormEntries::cboDate,
     &kDateList},
    {"cboYear", "cboYear", "Year of birth", FieldWidget::PickList, &FormEntries::cboYear,
     &kYearList},
    {"cboHH", "cboHH", "Hour of birth", FieldWidget::PickList, &FormEntries::cboHH, &kHourList},
    {"cboMM", "cboMM", "Minute of birth", FieldWidget::PickList, &FormEntries::cboMM, &kMinuteList},
    {"cboSS", "cboSS", "Second of birth", FieldWidget::PickList, &FormEntries::cboSS, &kSecondList},
    {"txtMCity", "txtMCity", "City", FieldWidget::TextBox, &FormEntries::txtMCity},
    {"txtMState", "txtMState", "State", FieldWidget::TextBox, &FormEntries::txtMState},
    {"txtMCountry", "txtMCountry", "Country", FieldWidget::TextBox, &FormEntries::txtMCountry},
    {"cmbTimeZone", "cmbTimeZone", "Time zone", FieldWidget::ZoneList},
    {"chkDST", "chkDST", "", FieldWidget::CheckBox},
    {"txtLonD", "txtLonD", "Longitude degrees", FieldWidget::TextBox, &FormEntries::txtLonD,
     nullptr, KeyRule::Digits, 3},
    {"txtLonM", "txtLonM", "Longitude minutes", FieldWidget::TextBox, &FormEntries::txtLonM,
     nullptr, KeyRule::Digits, 2},
    {"txtLatD", "txtLatD", "Latitude degrees", FieldWidget::TextBox, &FormEntries::txtLatD, nullptr,
     KeyRule::Digits, 2},
    {"txtLatM", "txtLatM", "Latitude minutes", FieldWidget::TextBox, &FormEntries::txtLatM, nullptr,
     KeyRule::Digits, 2},
    {"optLong", "optLong", "", FieldWidget::OptionPair},
    {"optLat", "optLat", "", FieldWidget::OptionPair},
}};

// The fields in the list's order, for code that handles one field by name:
// FieldOf(FieldId::txtLonD).objectName. A misspelt field then fails to build.
enum class FieldId : std::size_t {
  txtName,
  cboMonth,
  cboDate,
  cboYear,
  cboHH,
  cboMM,
  cboSS,
  txtMCity,
  txtMState,
  txtMCountry,
  cmbTimeZone,
  chkDST,
  txtLonD,
  txtLonM,
  txtLatD,
  txtLatM,
  optLong,
  optLat,
  count
};
static_assert(static_cast<std::size_t>(FieldId::count) == kFormFields.size());

constexpr const FormField& FieldOf(FieldId id) {
  return kFormFields[static_cast<std::size_t>(id)];
}

// The field of a JSON key; nullptr for a key that names none.
constexpr const FormField* FieldByKey(std::string_view key) {
  for (const FormField& f : kFormFields)
    if (f.jsonKey == key) return &f;
  return nullptr;
}

}  // namespace core

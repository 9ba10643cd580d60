#include "ui/form/form_filling.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QRadioButton>

#include "core/form_fields.h"
#include "reading/entry_rules.h"
#include "ui/common/filled_template.h"
#include "ui/common/quoted.h"
#include "ui/form/birth_form.h"

namespace ui {

namespace {

using core::FormEntries;

template <typename W>
W* Child(const FrmMain& form, const char* name) {
  return form.findChild<W*>(QLatin1String(name));
}

// A field's widget; `suffix` picks one button of an option pair.
template <typename W>
W* Child(const FrmMain& form, core::FieldId id, const char* suffix = "") {
  const std::string_view name = core::FieldOf(id).objectName;
  return form.findChild<W*>(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())) +
                            QLatin1String(suffix));
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

TypedEntries AsTyped(const FrmMain& form, const FormEntries& entries) {
  // The text boxes by the keystroke rules, as the headless export judges them too.
  reading::TypedEntries texts = reading::AsTyped(entries);
  TypedEntries typed{std::move(texts.entries), QString::fromStdString(texts.problem)};
  if (!typed.problem.isEmpty()) return typed;
  for (const core::FormField& f : core::kFormFields) {
    if (!f.list) continue;
    // The year list is as wide as the entries' calculation makes it when they are filled in.
    if (f.objectName == core::YearListOf(entries).key) {
      const core::NumberList& years = core::YearListOf(entries);
      bool number = false;
      const int year = FromStd(entries.*f.text).toInt(&number);
      if (number && year >= years.first && year <= years.last &&
          QString::number(year) == FromStd(entries.*f.text))
        continue;
    }
    const QComboBox* list = Child<QComboBox>(form, f.objectName.data());
    if (list->findText(FromStd(entries.*f.text), Qt::MatchFixedString | Qt::MatchCaseSensitive) <
        0) {
      typed.problem =
          Filled(QCoreApplication::translate("BirthDetails", "The %1 list has no entry \"%2\"."),
                 {list->accessibleName(), Quoted(FromStd(entries.*f.text))});
      return typed;
    }
  }
  const struct {
    core::FieldId field;
    int index;
    int first;  // -1 where the list may show no entry at all
  } picks[] = {{core::FieldId::cboMonth, entries.cboMonth, 0},
               {core::FieldId::cmbTimeZone, entries.cmbTimeZone, -1}};
  for (const auto& pick : picks) {
    const QComboBox* list = Child<QComboBox>(form, pick.field);
    if (pick.index < pick.first || pick.index >= list->count()) {
      typed.problem =
          Filled(QCoreApplication::translate("BirthDetails", "The %1 list has no row %2."),
                 {list->accessibleName(), QString::number(pick.index)});
      return typed;
    }
  }
  return typed;
}

void FillForm(FrmMain& form, const FormEntries& entries,
              const std::optional<core::AtlasPlace>& saved) {
  form.SetCalculation(entries.calculation);
  for (const core::FormField& f : core::kFormFields) {
    if (f.widget == core::FieldWidget::TextBox)
      Child<QLineEdit>(form, f.objectName.data())->setText(FromStd(entries.*f.text));
    if (!f.list) continue;
    QComboBox* list = Child<QComboBox>(form, f.objectName.data());
    list->setCurrentIndex(list->findText(FromStd(entries.*f.text)));
  }
  Child<QComboBox>(form, core::FieldId::cboMonth)->setCurrentIndex(entries.cboMonth);
  Child<QComboBox>(form, core::FieldId::cmbTimeZone)->setCurrentIndex(entries.cmbTimeZone);
  Child<QCheckBox>(form, core::FieldId::chkDST)->setChecked(entries.chkDST);
  Child<QRadioButton>(form, core::FieldId::optLong, entries.optLongEast ? "0" : "1")
      ->setChecked(true);
  Child<QRadioButton>(form, core::FieldId::optLat, entries.optLatNorth ? "0" : "1")
      ->setChecked(true);
  form.ReopenPlace(saved, entries.utcOffsetSeconds);
}

}  // namespace ui

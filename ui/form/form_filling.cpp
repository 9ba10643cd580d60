#include "ui/form/form_filling.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>

#include "ui/common/services.h"
#include "ui/form/birth_form.h"
#include "ui/form/key_filters.h"

namespace ui {

namespace {

using core::FormEntries;

struct TextBox {
  const char* name;
  std::string FormEntries::*field;
};
constexpr TextBox kTextBoxes[] = {
    {"txtName", &FormEntries::txtName},     {"txtMCity", &FormEntries::txtMCity},
    {"txtMState", &FormEntries::txtMState}, {"txtMCountry", &FormEntries::txtMCountry},
    {"txtLonD", &FormEntries::txtLonD},     {"txtLonM", &FormEntries::txtLonM},
    {"txtLatD", &FormEntries::txtLatD},     {"txtLatM", &FormEntries::txtLatM}};
constexpr TextBox kNumberLists[] = {{"cboDate", &FormEntries::cboDate},
                                    {"cboYear", &FormEntries::cboYear},
                                    {"cboHH", &FormEntries::cboHH},
                                    {"cboMM", &FormEntries::cboMM},
                                    {"cboSS", &FormEntries::cboSS}};

// Keeps what a filter would have said instead of showing it.
class HeldMessages final : public Dialogs {
 public:
  void ShowMessage(QWidget*, const QString& text, reading::MessageIcon) override { said = text; }
  int AskChoice(QWidget*, const QString&, const QStringList&) override { return -1; }
  QString said;
};

template <typename W>
W* Child(const FrmMain& form, const char* name) {
  return form.findChild<W*>(QLatin1String(name));
}

QString FromStd(const std::string& text) {
  return QString::fromStdString(text);
}

Qt::Key KeyOf(char32_t c) {
  if (c == '\r' || c == '\n') return Qt::Key_Return;
  if (c == '\t') return Qt::Key_Tab;
  // Printable keys carry their capital's code, as a keyboard sends them.
  const char32_t upper = QChar::toUpper(c);
  return upper < 0x20 ? Qt::Key_unknown : Qt::Key(upper);
}

// Types the text key by key into a stand-in for the box, with the box's own filter and length
// limit; gives the text the box would hold, or why it would not take the text.
std::pair<QString, QString> Type(const QLineEdit& box, const QString& text) {
  QLineEdit standIn;
  standIn.setMaxLength(box.maxLength());
  HeldMessages held;
  if (const auto* filter = box.findChild<KeystrokeFilter*>(QString(), Qt::FindDirectChildrenOnly))
    new KeystrokeFilter(filter->Kind(), held, &standIn);
  for (const uint code : text.toUcs4()) {
    const auto c = static_cast<char32_t>(code);
    const QString typed = QString::fromUcs4(&c, 1);
    QKeyEvent press(QEvent::KeyPress, KeyOf(c), Qt::NoModifier, typed);
    QCoreApplication::sendEvent(&standIn, &press);
    if (!held.said.isEmpty()) return {{}, held.said};
  }
  if (standIn.text().compare(text, Qt::CaseInsensitive) == 0) return {standIn.text(), {}};
  if (text.size() > box.maxLength())
    return {{}, QStringLiteral("it holds at most %1 characters").arg(box.maxLength())};
  return {{}, QStringLiteral("not every character can be typed there")};
}

}  // namespace

TypedEntries AsTyped(const FrmMain& form, const FormEntries& entries) {
  TypedEntries typed{entries, {}};
  for (const TextBox& b : kTextBoxes) {
    const QLineEdit* box = Child<QLineEdit>(form, b.name);
    const QString text = FromStd(entries.*b.field);
    auto [result, refusal] = Type(*box, text);
    if (!refusal.isEmpty()) {
      typed.problem = QStringLiteral("The %1 box cannot take \"%2\": %3.")
                          .arg(box->accessibleName(), text, refusal);
      return typed;
    }
    typed.entries.*b.field = result.toStdString();
  }
  for (const TextBox& l : kNumberLists) {
    const QComboBox* list = Child<QComboBox>(form, l.name);
    if (list->findText(FromStd(entries.*l.field), Qt::MatchFixedString | Qt::MatchCaseSensitive) <
        0) {
      typed.problem = QStringLiteral("The %1 list has no entry \"%2\".")
                          .arg(list->accessibleName(), FromStd(entries.*l.field));
      return typed;
    }
  }
  const struct {
    const char* name;
    int index;
    int first;  // -1 where the list may show no entry at all
  } picks[] = {{"cboMonth", entries.cboMonth, 0}, {"cmbTimeZone", entries.cmbTimeZone, -1}};
  for (const auto& pick : picks) {
    const QComboBox* list = Child<QComboBox>(form, pick.name);
    if (pick.index < pick.first || pick.index >= list->count()) {
      typed.problem =
          QStringLiteral("The %1 list has no row %2.").arg(list->accessibleName()).arg(pick.index);
      return typed;
    }
  }
  return typed;
}

void FillForm(FrmMain& form, const FormEntries& entries) {
  for (const TextBox& b : kTextBoxes)
    Child<QLineEdit>(form, b.name)->setText(FromStd(entries.*b.field));
  for (const TextBox& l : kNumberLists) {
    QComboBox* list = Child<QComboBox>(form, l.name);
    list->setCurrentIndex(list->findText(FromStd(entries.*l.field)));
  }
  Child<QComboBox>(form, "cboMonth")->setCurrentIndex(entries.cboMonth);
  Child<QComboBox>(form, "cmbTimeZone")->setCurrentIndex(entries.cmbTimeZone);
  Child<QCheckBox>(form, "chkDST")->setChecked(entries.chkDST);
  Child<QRadioButton>(form, entries.optLongEast ? "optLong0" : "optLong1")->setChecked(true);
  Child<QRadioButton>(form, entries.optLatNorth ? "optLat0" : "optLat1")->setChecked(true);
}

}  // namespace ui

#include "ui/form/birth_form.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStringListModel>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "core/form_fields.h"
#include "core/zone_table.h"
#include "reading/reading.h"
#include "ui/common/accessible_lists.h"
#include "ui/common/filled_template.h"
#include "ui/common/language.h"
#include "ui/common/language_menu.h"
#include "ui/common/latin_runs.h"
#include "ui/common/library_texts.h"
#include "ui/common/link_label.h"
#include "ui/common/look.h"
#include "ui/common/program_texts.h"
#include "ui/common/services.h"
#include "ui/common/web_links.h"
#include "ui/form/calculation_menu.h"
#include "ui/form/calculation_preference.h"
#include "ui/form/key_filters.h"
#include "ui/form/pick_list.h"
#include "ui/form/place_picker.h"
#include "ui/help/help_menu.h"

namespace ui {

namespace {

// The texts of the form, translated where they are set and again on a change of language.
constexpr const char* kContext = "BirthForm";

template <typename W>
W* Named(W* widget, const char* name) {
  widget->setObjectName(QLatin1String(name));
  return widget;
}

template <typename W>
W* Titled(W* widget, const char* property, const char* text) {
  SetTranslated(widget, property, kContext, text);
  return widget;
}

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A field's widget with the object and accessible names the list of the form's fields gives.
template <typename W>
W* Named(W* widget, core::FieldId id) {
  const core::FormField& field = core::FieldOf(id);
  widget->setObjectName(FromUtf8(field.objectName));
  // The list's names are English texts of the "BirthForm" context (ui/common/library_texts.cpp).
  if (!field.accessibleName.empty())
    SetTranslated(widget, "accessibleName", kContext, field.accessibleName.data());
  return widget;
}

// A button with a space's room either side of its text beyond the style's margins in a Hindi or
// Tamil window: the Tamil coordinates button's last letter, shaped, touched the frame. The
// English form keeps its size.
class RoomyButton final : public QPushButton {
 public:
  using QPushButton::QPushButton;
  QSize sizeHint() const override {
    const int room =
        InScriptTypeface(font()) ? 2 * fontMetrics().horizontalAdvance(QLatin1Char(' ')) : 0;
    return QPushButton::sizeHint() + QSize(room, 0);
  }
};

// A field's pick list; `sizing` is the widest entry or the number of characters it is as wide
// as.
template <typename Sizing>
QComboBox* NamedPickList(QWidget* parent, core::FieldId id, Sizing sizing) {
  return Named(new PickList(parent, sizing), id);
}

// Each list's entries as one list of texts: a list's own model would keep an item with a
// table of roles for each entry.
void Fill(QComboBox* list, const QStringList& entries) {
  list->setModel(new QStringListModel(entries, list));
}

void FillNumbers(QComboBox* list, int first, int last) {
  QStringList numbers;
  numbers.reserve(last - first + 1);
  for (int n = first; n <= last; ++n) numbers << QString::number(n);
  Fill(list, numbers);
}

QLabel* Caption(const char* text, QWidget* buddy, QWidget* parent) {
  auto* label = Titled(new QLabel(parent), "text", text);
  label->setTextFormat(Qt::PlainText);
  if (buddy) label->setBuddy(buddy);
  return label;
}

}  // namespace

// The two coordinate frames, alike but for their names and the degrees' digits.
struct FrmMain::CoordinateFrame {
  const char* title;
  const char* frame;
  core::FieldId degrees;
  core::FieldId minutes;
  core::FieldId option;  // the direction pair; its buttons are option + "0" and option + "1"
  const char* first;
  const char* second;
};

FrmMain::FrmMain(Dialogs& dialogs, LinkOpener& links, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), links_(links) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(kWindowCaption);
  // The language's typeface, before anything is sized by it.
  WhenTranslated(this, [this] { setFont(AppFont(9)); });
  FillMonthsOnLanguageChange();
  InstallAccessibleLists();
  BuildMenus();

  auto* central = new QWidget(this);
  auto* page = new QVBoxLayout(central);
  page->setSpacing(10);

  auto* description = new QLabel(central);
  WhenTranslated(description, [description] { description->setText(Description()); });
  description->setObjectName(QStringLiteral("lblDescription"));
  description->setTextFormat(Qt::PlainText);
  description->setWordWrap(true);
  page->addWidget(description);

  auto* details = new QHBoxLayout;
  details->addWidget(BuildPersonalDetails(), 1);
  details->addWidget(BuildPlaceDetails(), 1);
  page->addLayout(details);

  static constexpr CoordinateFrame kCoordinateFrames[2] = {
      {QT_TRANSLATE_NOOP("BirthForm", "Longitude"), "fraLongitude", core::FieldId::txtLonD,
       core::FieldId::txtLonM, core::FieldId::optLong, QT_TRANSLATE_NOOP("BirthForm", "East"),
       QT_TRANSLATE_NOOP("BirthForm", "West")},
      {QT_TRANSLATE_NOOP("BirthForm", "Latitude"), "fraLatitude", core::FieldId::txtLatD,
       core::FieldId::txtLatM, core::FieldId::optLat, QT_TRANSLATE_NOOP("BirthForm", "North"),
       QT_TRANSLATE_NOOP("BirthForm", "South")}};
  auto* place = new QHBoxLayout;
  place->addWidget(BuildZone(), 2);
  place->addWidget(BuildCoordinates(kCoordinateFrames[0], longitude_), 1);
  place->addWidget(BuildCoordinates(kCoordinateFrames[1], latitude_), 1);
  page->addLayout(place);
  // The offline atlas in the City box, and its status line across the form.
  picker_ = new PlacePicker(*this, dialogs_);
  page->addWidget(picker_->StatusArea());

  cmdRashi_ = Titled(Named(new QPushButton(central), "cmdRashi"), "text",
                     QT_TRANSLATE_NOOP("BirthForm", "Get My Pataki Chakra Reading"));
  cmdRashi_->setAutoDefault(false);
  auto* buttonRow = new QHBoxLayout;
  buttonRow->addStretch();
  buttonRow->addWidget(cmdRashi_);
  buttonRow->addStretch();
  page->addLayout(buttonRow);
  connect(cmdRashi_, &QPushButton::clicked, this, &FrmMain::RequestReading);

  label61_ = new LinkLabel(QString(), central);
  WhenTranslated(label61_, [label = label61_] {
    label->SetLinkText(Filled(
        QCoreApplication::translate("BirthForm", "Join our astrology discussion forum at %1"),
        {ForumAddress()}));
  });
  label61_->setObjectName(QStringLiteral("Label61"));
  label61_->setAlignment(Qt::AlignCenter);
  label61_->SetOwnColour(QColor(0, 0, 192));
  connect(label61_, &LinkLabel::activated, this, [this] { OpenHomePage(links_); });
  page->addWidget(label61_);

  setCentralWidget(central);
  FillLists();
  SetTabOrder();
  txtName_->setFocus();
  // Made last, so that after a change of language it runs once every text has changed.
  WhenTranslated(this, [this, made = false]() mutable { FitToFont(std::exchange(made, true)); });
}

void FrmMain::FitToFont(bool laidOut) {
  for (QLineEdit* edit :
       {longitude_.degrees, longitude_.minutes, latitude_.degrees, latitude_.minutes})
    edit->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
  // Qt opens a window no taller than two thirds of the screen; on a 600-pixel screen that
  // squeezed the boxes of the form. It opens at its whole size instead, and takes the size a
  // new language's typeface and texts need, larger or smaller, as if it had started in it.
  // Qt lays out a box again when it handles the request a change of text posts, one level of
  // boxes at a time, and keeps the form no smaller than the old texts needed until then: the
  // layouts are made again here at once, from the innermost out.
  QList<QWidget*> widgets = laidOut ? findChildren<QWidget*>() : QList<QWidget*>();
  std::reverse(widgets.begin(), widgets.end());  // each after the widgets inside it
  if (laidOut) widgets << this;
  for (QWidget* widget : widgets) {
    if (!widget->layout()) continue;
    widget->layout()->invalidate();
    widget->layout()->activate();
    widget->updateGeometry();
  }
  resize(sizeHint());
}

void FrmMain::BuildMenus() {
  QMenu* file =
      Titled(menuBar()->addMenu(QString()), "title", QT_TRANSLATE_NOOP("BirthForm", "&File"));
  file->setObjectName(QStringLiteral("mnuFile"));
  QAction* next = Titled(file->addAction(QString()), "text",
                         QT_TRANSLATE_NOOP("BirthForm", "Get My Pataki Chakra Reading"));
  next->setObjectName(QStringLiteral("mnuNext"));
  connect(next, &QAction::triggered, this, &FrmMain::RequestReading);
  QAction* exit =
      Titled(file->addAction(QString()), "text", QT_TRANSLATE_NOOP("BirthForm", "E&xit"));
  exit->setObjectName(QStringLiteral("mnuExit"));
  connect(exit, &QAction::triggered, this, &FrmMain::exitRequested);

  QMenu* help = AddHelpMenu(this, links_, "mnuHelp1", "mnuHelp2");
  calculation_ = new CalculationMenu(*this, help->menuAction());
  AddLanguageMenu(this, help->menuAction());
  calculation_->SetChoice(core::Calculation{core::EphemerisChoice::Swiss, LoadKeptSwissChoices()});
  calculation_->SetChoice(LoadCalculationPreference());
  connect(calculation_, &CalculationMenu::changed, this, &FrmMain::ChangeCalculation);
}

QWidget* FrmMain::BuildPersonalDetails() {
  auto* box = Titled(Named(new QGroupBox, "fraPersonal"), "title",
                     QT_TRANSLATE_NOOP("BirthForm", "Personal Details"));
  auto* grid = new QGridLayout(box);
  txtName_ = Named(new QLineEdit(box), core::FieldId::txtName);
  new KeystrokeFilter(KeyFilterKind::Name, dialogs_, txtName_);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "Name"), txtName_, box), 0, 0);
  grid->addWidget(txtName_, 0, 1, 1, 4);

  // Digits are equally wide in the sans typefaces the form uses.
  const QString twoDigits = QStringLiteral("00");
  cboMonth_ = NamedPickList(box, core::FieldId::cboMonth, QStringLiteral("September"));
  cboDate_ = NamedPickList(box, core::FieldId::cboDate, twoDigits);
  cboYear_ = NamedPickList(box, core::FieldId::cboYear, QStringLiteral("0000"));
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "Date of Birth"), cboMonth_, box), 1, 0);
  grid->addWidget(cboMonth_, 1, 1);
  grid->addWidget(cboDate_, 1, 2);
  grid->addWidget(cboYear_, 1, 3);

  cboHH_ = NamedPickList(box, core::FieldId::cboHH, twoDigits);
  cboMM_ = NamedPickList(box, core::FieldId::cboMM, twoDigits);
  cboSS_ = NamedPickList(box, core::FieldId::cboSS, twoDigits);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "Time of Birth"), cboHH_, box), 2, 0);
  grid->addWidget(cboHH_, 2, 1);
  grid->addWidget(cboMM_, 2, 2);
  grid->addWidget(cboSS_, 2, 3);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "HH:MM:SS"), nullptr, box), 2, 4);
  grid->setColumnStretch(1, 1);
  return box;
}

QWidget* FrmMain::BuildPlaceDetails() {
  auto* box = Titled(Named(new QGroupBox, "fraPlace"), "title",
                     QT_TRANSLATE_NOOP("BirthForm", "Place Details"));
  auto* grid = new QGridLayout(box);
  txtMCity_ = Named(new QLineEdit(box), core::FieldId::txtMCity);
  txtMState_ = Named(new QLineEdit(box), core::FieldId::txtMState);
  txtMCountry_ = Named(new QLineEdit(box), core::FieldId::txtMCountry);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "City"), txtMCity_, box), 0, 0);
  grid->addWidget(txtMCity_, 0, 1);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "State"), txtMState_, box), 1, 0);
  grid->addWidget(txtMState_, 1, 1);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "Country"), txtMCountry_, box), 2, 0);
  grid->addWidget(txtMCountry_, 2, 1);
  cmdBrowser_ = Titled(Named(new RoomyButton(box), "cmdBrowser"), "text",
                       QT_TRANSLATE_NOOP("BirthForm", "Click for Latitude && Longitude"));
  cmdBrowser_->setAutoDefault(false);
  grid->addWidget(cmdBrowser_, 3, 1);
  connect(cmdBrowser_, &QPushButton::clicked, this, &FrmMain::LookUpCoordinates);
  return box;
}

QWidget* FrmMain::BuildZone() {
  auto* box =
      Titled(Named(new QGroupBox, "fraZone"), "title", QT_TRANSLATE_NOOP("BirthForm", "Zone"));
  auto* column = new QVBoxLayout(box);
  cmbTimeZone_ = NamedPickList(box, core::FieldId::cmbTimeZone, 24);
  static_cast<PickList*>(cmbTimeZone_)->DrawLatinRuns();
  chkDST_ = Titled(Named(new QCheckBox(box), core::FieldId::chkDST), "text",
                   QT_TRANSLATE_NOOP("BirthForm", "Daylight Saving Time"));
  column->addWidget(cmbTimeZone_);
  column->addWidget(chkDST_);
  column->addStretch();
  return box;
}

QWidget* FrmMain::BuildCoordinates(const CoordinateFrame& frame, Coordinate& boxes) {
  auto* box = Titled(Named(new QGroupBox, frame.frame), "title", frame.title);
  auto* grid = new QGridLayout(box);

  boxes.degrees = Named(new QLineEdit(box), frame.degrees);
  boxes.degrees->setMaxLength(core::FieldOf(frame.degrees).maxLength);
  boxes.minutes = Named(new QLineEdit(box), frame.minutes);
  boxes.minutes->setMaxLength(core::FieldOf(frame.minutes).maxLength);
  for (QLineEdit* edit : {boxes.degrees, boxes.minutes})
    new KeystrokeFilter(KeyFilterKind::Digits, dialogs_, edit);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "Deg"), boxes.degrees, box), 0, 0);
  grid->addWidget(boxes.degrees, 0, 1);
  grid->addWidget(Caption(QT_TRANSLATE_NOOP("BirthForm", "Min"), boxes.minutes, box), 0, 2);
  grid->addWidget(boxes.minutes, 0, 3);

  const QString option = FromUtf8(core::FieldOf(frame.option).objectName);
  auto* group = new QButtonGroup(box);
  group->setObjectName(option);
  group->setExclusive(true);
  boxes.first = Titled(new QRadioButton(box), "text", frame.first);
  boxes.first->setObjectName(option + QStringLiteral("0"));
  boxes.second = Titled(new QRadioButton(box), "text", frame.second);
  boxes.second->setObjectName(option + QStringLiteral("1"));
  group->addButton(boxes.first, 0);
  group->addButton(boxes.second, 1);
  boxes.first->setChecked(true);
  grid->addWidget(boxes.first, 1, 0, 1, 2);
  grid->addWidget(boxes.second, 1, 2, 1, 2);
  return box;
}

void FrmMain::FillLists() {
  QStringList zones;
  for (const core::ZoneRow& row : core::ZoneTable()) zones << ZoneRowText(row.text);
  FillMonths();
  Fill(cmbTimeZone_, zones);
  FillNumbers(cboDate_, 1, 31);
  FillNumbers(cboHH_, 0, 23);
  FillNumbers(cboMM_, 0, 59);
  FillNumbers(cboSS_, 0, 59);
  for (QComboBox* list : {cboMonth_, cboDate_, cboHH_, cboMM_, cboSS_}) list->setCurrentIndex(0);
  FillYears();
  cmbTimeZone_->setCurrentIndex(core::kDefaultZoneRow);
}

void FrmMain::FillMonths() {
  QStringList months;
  for (const std::string_view month : core::kMonthNames)
    months << QCoreApplication::translate("Months", std::string(month).c_str());
  Fill(cboMonth_, months);
}

void FrmMain::FillMonthsOnLanguageChange() {
  // The month and the zone are kept by their place in the list, so their names may follow the
  // language. The texts change in place: the choice, and the zone list's extra entry for an
  // exact offset after the rows, stay as they are, and no list reports a new choice.
  WhenTranslated(this, [this] {
    if (!cboMonth_ || !cmbTimeZone_) return;
    auto* months = qobject_cast<QStringListModel*>(cboMonth_->model());
    for (int i = 0; months && i < months->rowCount(); ++i)
      months->setData(months->index(i),
                      QCoreApplication::translate(
                          "Months", std::string(core::kMonthNames[std::size_t(i)]).c_str()));
    auto* zones = qobject_cast<QStringListModel*>(cmbTimeZone_->model());
    for (int i = 0; zones && i < core::kZoneCount; ++i)
      zones->setData(zones->index(i), ZoneRowText(core::ZoneTable()[std::size_t(i)].text));
  });
}

void FrmMain::ChangeCalculation() {
  core::FormEntries chosen;
  chosen.calculation = calculation_->Choice();
  const core::NumberList& years = core::YearListOf(chosen);
  bool shown = false;
  const int year = cboYear_->currentText().toInt(&shown);
  // The Swiss Ephemeris reads every year of the built-in formulas: only a change to these asks.
  static_assert(core::kSwissYearList.first <= core::kYearList.first &&
                core::kSwissYearList.last >= core::kYearList.last);
  if (shown && (year < years.first || year > years.last)) {
    const QString question =
        QCoreApplication::translate("BirthForm",
                                    "The year of birth, %1, lies outside the years the built-in "
                                    "formulas read, %2 to %3. Keep the Swiss Ephemeris, or take "
                                    "the built-in formulas with the year %2?")
            .arg(year)
            .arg(years.first)
            .arg(years.last);
    const QStringList options = {
        QCoreApplication::translate("BirthForm", "Keep the Swiss Ephemeris"),
        QCoreApplication::translate("BirthForm", "Take the built-in formulas with %1")
            .arg(years.first)};
    if (dialogs_.AskChoice(this, question, options) != 1) {
      calculation_->SetChoice(calculationShown_);  // kept, or cancelled: nothing changes
      return;
    }
  }
  SaveCalculationPreference(chosen.calculation, calculation_->SwissShown());
  FillYears();
}

void FrmMain::FillYears() {
  core::FormEntries chosen;
  chosen.calculation = calculation_->Choice();
  calculationShown_ = chosen.calculation;
  const core::NumberList& years = core::YearListOf(chosen);
  const QString kept = cboYear_->currentText();
  FillNumbers(cboYear_, years.first, years.last);
  const int at = cboYear_->findText(kept);
  cboYear_->setCurrentIndex(at >= 0 ? at
                                    : cboYear_->findText(QString::number(core::kYearList.first)));
}

void FrmMain::SetCalculation(const std::optional<core::Calculation>& calculation) {
  calculation_->SetChoice(calculation);
  FillYears();
}

void FrmMain::ReopenPlace(const std::optional<core::AtlasPlace>& saved,
                          std::optional<int> exactOffset) {
  picker_->Reopen(saved, exactOffset);
}

void FrmMain::SetTabOrder() {
  const QList<QWidget*> order = {txtName_,
                                 cboMonth_,
                                 cboDate_,
                                 cboYear_,
                                 cboHH_,
                                 cboMM_,
                                 cboSS_,
                                 txtMCity_,
                                 txtMState_,
                                 txtMCountry_,
                                 cmdBrowser_,
                                 cmbTimeZone_,
                                 chkDST_,
                                 longitude_.degrees,
                                 longitude_.minutes,
                                 longitude_.first,
                                 longitude_.second,
                                 latitude_.degrees,
                                 latitude_.minutes,
                                 latitude_.first,
                                 latitude_.second,
                                 cmdRashi_,
                                 label61_};
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

core::FormEntries FrmMain::Entries() const {
  core::FormEntries e;
  e.txtName = txtName_->text().toStdString();
  e.cboMonth = cboMonth_->currentIndex();
  e.cboDate = cboDate_->currentText().toStdString();
  e.cboYear = cboYear_->currentText().toStdString();
  e.cboHH = cboHH_->currentText().toStdString();
  e.cboMM = cboMM_->currentText().toStdString();
  e.cboSS = cboSS_->currentText().toStdString();
  e.txtMCity = txtMCity_->text().toStdString();
  e.txtMState = txtMState_->text().toStdString();
  e.txtMCountry = txtMCountry_->text().toStdString();
  e.cmbTimeZone = cmbTimeZone_->currentIndex();
  // The extra entry after the rows: the exact offset the atlas decided, no row.
  if (e.cmbTimeZone >= core::kZoneCount) {
    e.cmbTimeZone = -1;
    e.utcOffsetSeconds = picker_->ExactOffsetSeconds();
  }
  e.chkDST = chkDST_->checkState() != Qt::Unchecked;
  e.txtLonD = longitude_.degrees->text().toStdString();
  e.txtLonM = longitude_.minutes->text().toStdString();
  e.txtLatD = latitude_.degrees->text().toStdString();
  e.txtLatM = latitude_.minutes->text().toStdString();
  e.optLongEast = longitude_.first->isChecked();
  e.optLatNorth = latitude_.first->isChecked();
  e.calculation = calculation_->Choice();
  return e;
}

QString FrmMain::ClockSummary() const {
  return picker_->ClockSummary();
}

void FrmMain::RequestReading() {
  if (picker_->ConfirmForReading()) emit readingRequested();
}

void FrmMain::ShowRefusal(const reading::Refusal& refusal) {
  dialogs_.ShowMessage(this, LibraryMessage(refusal.message), refusal.icon);
  if (!refusal.focus) return;
  if (auto* target = findChild<QWidget*>(QString::fromStdString(*refusal.focus)))
    target->setFocus(Qt::OtherFocusReason);
}

void FrmMain::LookUpCoordinates() {
  // Only a box with no characters at all counts as empty; blanks are a (poor) answer.
  const struct {
    QLineEdit* box;
    const char* message;
  } required[] = {{txtMCity_, QT_TRANSLATE_NOOP("Messages", "Please Enter City")},
                  {txtMState_, QT_TRANSLATE_NOOP("Messages", "Please Enter State")},
                  {txtMCountry_, QT_TRANSLATE_NOOP("Messages", "Please Enter Country")}};
  for (const auto& [box, message] : required) {
    if (!box->text().isEmpty()) continue;
    dialogs_.ShowMessage(this, QCoreApplication::translate("Messages", message),
                         reading::MessageIcon::Information);
    box->setFocus(Qt::OtherFocusReason);
    return;
  }
  links_.Open(CoordinatesSearch(
      CoordinatesQuery(txtMCity_->text(), txtMState_->text(), txtMCountry_->text())));
}

void FrmMain::keyPressEvent(QKeyEvent* event) {
  // Only an Enter that no box took comes here: a coordinate box answers it with its message,
  // and an open list takes it as the pick.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (!enter || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  // On a button Enter presses that button.
  if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
    button->click();
  else
    cmdRashi_->click();
}

void FrmMain::closeEvent(QCloseEvent* event) {
  event->accept();
  emit exitRequested();
}

}  // namespace ui

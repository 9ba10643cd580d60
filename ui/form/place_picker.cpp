#include "ui/form/place_picker.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyle>
#include <algorithm>
#include <utility>
#include <vector>

#include "core/birth_value.h"
#include "core/form_entries.h"
#include "core/form_fields.h"
#include "ui/common/filled_template.h"
#include "ui/common/language.h"
#include "ui/common/library_texts.h"
#include "ui/common/services.h"
#include "ui/form/place_list.h"
#include "ui/form/two_line_label.h"

namespace ui {

namespace chr = std::chrono;

namespace {

constexpr int kMaxRows = 10;

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string Utf8(const QLineEdit* box) {
  return box->text().toStdString();
}

// A field's widget; `suffix` picks one button of an option pair.
template <typename W>
W* Find(QWidget& form, core::FieldId id, const char* suffix = "") {
  const QString name = Text(core::FieldOf(id).objectName) + QLatin1String(suffix);
  W* widget = form.findChild<W*>(name);
  if (!widget) qFatal("PlacePicker: the form has no %s", qPrintable(name));
  return widget;
}

}  // namespace

PlacePicker::PlacePicker(QWidget& form, Dialogs& dialogs)
    : QObject(&form),
      dialogs_(dialogs),
      form_(&form),
      city_(Find<QLineEdit>(form, core::FieldId::txtMCity)),
      state_(Find<QLineEdit>(form, core::FieldId::txtMState)),
      country_(Find<QLineEdit>(form, core::FieldId::txtMCountry)),
      lonD_(Find<QLineEdit>(form, core::FieldId::txtLonD)),
      lonM_(Find<QLineEdit>(form, core::FieldId::txtLonM)),
      latD_(Find<QLineEdit>(form, core::FieldId::txtLatD)),
      latM_(Find<QLineEdit>(form, core::FieldId::txtLatM)),
      month_(Find<QComboBox>(form, core::FieldId::cboMonth)),
      date_(Find<QComboBox>(form, core::FieldId::cboDate)),
      year_(Find<QComboBox>(form, core::FieldId::cboYear)),
      hour_(Find<QComboBox>(form, core::FieldId::cboHH)),
      minute_(Find<QComboBox>(form, core::FieldId::cboMM)),
      second_(Find<QComboBox>(form, core::FieldId::cboSS)),
      zone_(Find<QComboBox>(form, core::FieldId::cmbTimeZone)),
      dst_(Find<QCheckBox>(form, core::FieldId::chkDST)),
      east_(Find<QRadioButton>(form, core::FieldId::optLong, "0")),
      west_(Find<QRadioButton>(form, core::FieldId::optLong, "1")),
      north_(Find<QRadioButton>(form, core::FieldId::optLat, "0")),
      south_(Find<QRadioButton>(form, core::FieldId::optLat, "1")) {
  setObjectName(QStringLiteral("placePicker"));
  BuildStatusArea(form);

  list_ = new PlaceList(this);
  completer_ = new QCompleter(list_, this);
  completer_->setObjectName(QStringLiteral("placeCompleter"));
  // The atlas folds and ranks the names itself; the completer shows its rows as they come.
  completer_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  completer_->setModelSorting(QCompleter::UnsortedModel);
  completer_->setCaseSensitivity(Qt::CaseInsensitive);
  completer_->setMaxVisibleItems(kMaxRows);
  city_->setCompleter(completer_);
  connect(completer_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) { PickRow(index.data(Qt::UserRole).toInt()); });

  ConnectHandEdits();
  // textEdited comes before the line edit asks the completer, so the rows are ready.
  connect(city_, &QLineEdit::textEdited, this, &PlacePicker::Search);
  for (QComboBox* list : {month_, date_, year_, hour_, minute_, second_})
    connect(list, &QComboBox::currentIndexChanged, this, &PlacePicker::Redecide);
  connect(qApp, &QApplication::focusChanged, this, &PlacePicker::LeftWidget);
}

PlacePicker::~PlacePicker() = default;

void PlacePicker::BuildStatusArea(QWidget& form) {
  statusArea_ = new QWidget(&form);
  statusArea_->setObjectName(QStringLiteral("fraPlaceStatus"));
  auto* row = new QHBoxLayout(statusArea_);
  row->setContentsMargins(0, 0, 0, 0);
  status_ = new TwoLineLabel(statusArea_);
  status_->setObjectName(QStringLiteral("lblPlaceStatus"));
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  row->addWidget(status_, 1);
  // WordsText translates the sentence shown, and again in a new language.
  SetStatus(core::Phrase(QT_TRANSLATE_NOOP(
      "ClockStatus",
      "Type the city of birth to choose it from the offline atlas: its coordinates, zone and "
      "daylight saving then follow from the birth date and time.")));
  WhenTranslated(status_, [this] {
    status_->setAccessibleName(
        QCoreApplication::translate("PlacePicker", "Place and clock status"));
    status_->SetSentence(WordsText(statusWords_));
    // The zone list's extra entry for an exact offset ("local mean time of …") too.
    if (!entry_) return;  // made at the first pick
    const std::optional<places::ExactOffset> exact = entry_->Exact();
    if (exact && zone_->count() > places::ExactEntryIndex())
      zone_->setItemText(places::ExactEntryIndex(), WordsText(exact->entryWords));
  });
}

// Only signals that fire on the person's own action: the program's filling never counts.
void PlacePicker::ConnectHandEdits() {
  // The City may change under a kept place; the reading asks about it.
  connect(city_, &QLineEdit::textEdited, this, &PlacePicker::CityEdited);
  const std::pair<QLineEdit*, QString> boxes[] = {
      {state_, QStringLiteral("State")},    {country_, QStringLiteral("Country")},
      {lonD_, QStringLiteral("Longitude")}, {lonM_, QStringLiteral("Longitude")},
      {latD_, QStringLiteral("Latitude")},  {latM_, QStringLiteral("Latitude")}};
  for (const auto& [box, what] : boxes)
    connect(box, &QLineEdit::textEdited, this,
            [this, what] { HandEdit(what + QStringLiteral(" entered by hand")); });
  const std::pair<QAbstractButton*, QString> buttons[] = {{dst_, QStringLiteral("Daylight saving")},
                                                          {east_, QStringLiteral("Longitude")},
                                                          {west_, QStringLiteral("Longitude")},
                                                          {north_, QStringLiteral("Latitude")},
                                                          {south_, QStringLiteral("Latitude")}};
  for (const auto& [button, what] : buttons)
    connect(button, &QAbstractButton::clicked, this,
            [this, what] { HandEdit(what + QStringLiteral(" set by hand")); });
  connect(zone_, &QComboBox::activated, this, [this](int index) {
    if (index != places::ExactEntryIndex()) HandEdit(QStringLiteral("Time zone chosen by hand"));
  });
}

void PlacePicker::Search(const QString& text) {
  typed_ = text;
  if (!atlas_) {
    atlas_.emplace(loader_());
    completer_->popup()->installEventFilter(this);  // after the completer's own: runs first
    if (!atlas_->ok())
      SetStatus(core::Fixed(
          Filled(QCoreApplication::translate("PlacePicker",
                                             "The offline atlas could not be read (%1); enter the "
                                             "place, its coordinates and zone by hand."),
                 {QString::fromStdString(atlas_->problem())})
              .toStdString()));
  }
  if (!atlas_->ok()) return;
  const QByteArray query = text.toUtf8();
  list_->Show(atlas_->Find(
      std::string_view(query.constData(), static_cast<std::size_t>(query.size())), kMaxRows));
  FitListWidth();
}

// Wide enough for "City, State, Country" (the City box alone cuts most of them), but no wider
// than the form.
void PlacePicker::FitListWidth() {
  QAbstractItemView* popup = completer_->popup();
  const QFontMetrics metrics(popup->font());
  int widest = 0;
  for (int row = 0; row < list_->rowCount({}); ++row)
    widest = std::max(widest, metrics.horizontalAdvance(list_->index(row).data().toString()));
  const int chrome =
      2 * popup->frameWidth() + popup->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 12;
  popup->setMinimumWidth(std::min(widest + chrome, form_->width()));
}

bool PlacePicker::eventFilter(QObject* watched, QEvent* event) {
  if (watched != completer_->popup()) return false;
  if (event->type() == QEvent::Show || event->type() == QEvent::Move) KeepListOverForm();
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() != Qt::Key_Escape && key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab)
    return false;
  completer_->popup()->hide();
  city_->setText(typed_);  // the arrows may have shown another name
  if (key->key() != Qt::Key_Escape) QCoreApplication::sendEvent(city_, key);  // moves the focus
  return true;
}

// The list opens under the City box, near the form's right edge: moved left to stay over the form.
void PlacePicker::KeepListOverForm() {
  QWidget* popup = completer_->popup();
  const int left = form_->mapToGlobal(QPoint(0, 0)).x();
  const int right = left + form_->width();
  if (popup->x() + popup->width() > right)
    popup->move(std::max(left, right - popup->width()), popup->y());
}

void PlacePicker::PickRow(int row) {
  if (const places::Match* match = list_->At(row)) Pick(*match);
}

void PlacePicker::Pick(const places::Match& match) {
  if (!entry_) entry_.emplace(clocks_, places::TzDataVersion());
  const places::FormPlace boxes = entry_->Pick(match, Read());
  typed_ = Text(boxes.city);
  city_->setText(typed_);
  state_->setText(Text(boxes.state));
  country_->setText(Text(boxes.country));
  for (QLineEdit* box : {state_, country_}) box->setCursorPosition(0);  // the start of a long name
  lonD_->setText(Text(boxes.lonD));
  lonM_->setText(Text(boxes.lonM));
  latD_->setText(Text(boxes.latD));
  latM_->setText(Text(boxes.latM));
  (boxes.east ? east_ : west_)->setChecked(true);
  (boxes.north ? north_ : south_)->setChecked(true);
  Decide();
}

void PlacePicker::Reopen(const std::optional<core::AtlasPlace>& saved,
                         std::optional<int> exactOffset) {
  if (!entry_) entry_.emplace(clocks_, places::TzDataVersion());
  typed_ = city_->text();
  Show(entry_->Reopen(Read(), BirthTime(), saved, exactOffset));
}

void PlacePicker::Redecide() {
  if (entry_ && entry_->mode() == places::EntryMode::Atlas) Decide();
}

// One decision gives the zone, the box and the extra entry together.
void PlacePicker::Decide() {
  Show(entry_->Decide(BirthTime(), Read()));
}

void PlacePicker::Show(const std::optional<places::ZoneShown>& shown) {
  ShowExactEntry();
  if (shown) {
    zone_->setCurrentIndex(shown->zone);
    dst_->setChecked(shown->dst);
  }
  if (entry_->mode() == places::EntryMode::Atlas) entry_->Filled(Read());
  SetStatus(entry_->statusWords());
}

// The extra entry after the zone rows is there only while the atlas decides an exact offset;
// where it goes while selected, no zone is selected.
void PlacePicker::ShowExactEntry() {
  const std::optional<places::ExactOffset> exact = entry_->Exact();
  const int index = places::ExactEntryIndex();
  const bool present = zone_->count() > index;
  if (exact) {
    if (present)
      zone_->setItemText(index, WordsText(exact->entryWords));
    else
      zone_->addItem(WordsText(exact->entryWords));
  } else if (present) {
    const bool selected = zone_->currentIndex() == index;
    zone_->removeItem(index);
    if (selected) zone_->setCurrentIndex(-1);
  }
}

std::optional<PlacePicker::AtlasClock> PlacePicker::DecidedClock() const {
  if (!entry_) return std::nullopt;
  return entry_->Decided(Read());
}

std::optional<int> PlacePicker::ExactOffsetSeconds() const {
  if (!entry_ || zone_->currentIndex() != places::ExactEntryIndex()) return std::nullopt;
  if (const auto exact = entry_->Exact()) return exact->offsetSeconds;
  return std::nullopt;
}

QString PlacePicker::ClockSummary() const {
  return entry_ ? Text(entry_->Summary(Read())) : QString();
}

void PlacePicker::HandEdit(const QString& what) {
  if (!entry_ || entry_->mode() != places::EntryMode::Atlas) return;
  entry_->HandEdit(what.toStdString());
  ShowExactEntry();
  SetStatus(entry_->statusWords());
}

void PlacePicker::CityEdited() {
  if (!entry_ || entry_->mode() != places::EntryMode::Atlas) return;
  entry_->CityEdited(Read());
  SetStatus(entry_->statusWords());
}

bool PlacePicker::Ask(bool leavingTimeLists) {
  if (!entry_ || asking_) return !asking_;
  asking_ = true;
  Redecide();  // a file read in since the last decision stops the atlas: no stale question
  bool go = true;
  while (const auto question = entry_->Pending(Read(), leavingTimeLists, CityNamed())) {
    QStringList options;
    for (const core::Words& option : question->options) options << WordsText(option);
    SetStatus(question->subject);  // what is asked about, not the clock of before
    const int answer = dialogs_.AskChoice(form_, WordsText(question->text), options);
    if (answer < 0 || answer >= options.size()) {
      go = false;  // Cancel: nothing changes
      break;
    }
    const places::AfterAnswer after = entry_->Answer(*question, answer, Read());
    if (after == places::AfterAnswer::ClearPlace) {
      ClearPlace();
      go = false;
      break;
    }
    if (after == places::AfterAnswer::PickAtlasEntry)
      Pick(*question->atlasEntry);
    else
      Decide();
  }
  asking_ = false;
  return go;
}

// The atlas's place the City names whole, where the atlas is loaded (the City was typed).
std::optional<places::Match> PlacePicker::CityNamed() const {
  if (!atlas_ || !atlas_->ok()) return std::nullopt;
  const QByteArray city = city_->text().toUtf8();
  return atlas_->Named(std::string_view(city.constData(), static_cast<std::size_t>(city.size())));
}

// The person cleared what the atlas filled under another City: the place boxes and the clock.
void PlacePicker::ClearPlace() {
  for (QLineEdit* box : {state_, country_, lonD_, lonM_, latD_, latM_}) box->clear();
  east_->setChecked(true);
  north_->setChecked(true);
  ShowExactEntry();
  zone_->setCurrentIndex(-1);
  dst_->setChecked(false);
  SetStatus(entry_->statusWords());
  state_->setFocus(Qt::OtherFocusReason);
}

// Leaving the date and time lists for another widget of the form asks which of a repeated
// clock time was meant; stepping through a list asks nothing.
void PlacePicker::LeftWidget(QWidget* old, QWidget* now) {
  const auto timeList = [this](QWidget* widget) {
    for (QWidget* list : {month_, date_, year_, hour_, minute_, second_})
      if (widget == list) return true;
    return false;
  };
  if (timeList(old) && now && !timeList(now) && now->window() == form_->window()) Ask(true);
}

std::optional<chr::local_seconds> PlacePicker::BirthTime() const {
  core::FormEntries lists;
  lists.cboMonth = month_->currentIndex();
  lists.cboDate = date_->currentText().toStdString();
  lists.cboYear = year_->currentText().toStdString();
  lists.cboHH = hour_->currentText().toStdString();
  lists.cboMM = minute_->currentText().toStdString();
  lists.cboSS = second_->currentText().toStdString();
  return core::LocalBirthTime(lists);
}

places::FormPlace PlacePicker::Read() const {
  return {Utf8(city_),         Utf8(state_),          Utf8(country_),   Utf8(lonD_),
          Utf8(lonM_),         Utf8(latD_),           Utf8(latM_),      east_->isChecked(),
          north_->isChecked(), zone_->currentIndex(), dst_->isChecked()};
}

void PlacePicker::SetStatus(const core::Words& words) {
  statusWords_ = words;
  status_->SetSentence(WordsText(words));
}

}  // namespace ui

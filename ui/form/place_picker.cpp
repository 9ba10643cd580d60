#include "ui/form/place_picker.h"

#include <QAbstractItemView>
#include <QAbstractListModel>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cctype>
#include <cmath>
#include <utility>
#include <vector>

#include "core/birth_value.h"
#include "core/form_entries.h"
#include "places/clock_status.h"
#include "places/coordinates.h"
#include "ui/common/services.h"

namespace ui {

namespace chr = std::chrono;

namespace {

constexpr int kMaxRows = 10;

const QString kHandNote =
    QStringLiteral(": the atlas no longer sets the zone and box; pick the city again to let it.");

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

template <typename W>
W* Find(QWidget& form, const char* name) {
  W* widget = form.findChild<W*>(QLatin1String(name));
  if (!widget) qFatal("PlacePicker: the form has no %s", name);
  return widget;
}

// "1 June 1943".
QString DateText(chr::local_days day) {
  const chr::year_month_day ymd(day);
  return QStringLiteral("%1 %2 %3")
      .arg(static_cast<unsigned>(ymd.day()))
      .arg(Text(core::MonthName(static_cast<int>(static_cast<unsigned>(ymd.month())))))
      .arg(static_cast<int>(ymd.year()));
}

// "10:05", or "10:13:50" when the seconds are not zero.
QString TimeText(chr::local_seconds time) {
  const chr::hh_mm_ss hms(time - chr::floor<chr::days>(time));
  QString text = QStringLiteral("%1:%2")
                     .arg(hms.hours().count(), 2, 10, QLatin1Char('0'))
                     .arg(hms.minutes().count(), 2, 10, QLatin1Char('0'));
  if (hms.seconds().count() != 0)
    text += QStringLiteral(":%1").arg(hms.seconds().count(), 2, 10, QLatin1Char('0'));
  return text;
}

// The converted time, with its date only where the date changed.
QString ConvertedText(chr::local_seconds from, chr::local_seconds to) {
  const auto day = chr::floor<chr::days>(to);
  if (chr::floor<chr::days>(from) == day) return TimeText(to);
  return DateText(day) + QLatin1Char(' ') + TimeText(to);
}

// "UTC-4:00 EDT"; numeric abbreviations ("+0530") add nothing to the offset.
QString ClockName(const places::BirthClock& clock) {
  QString text = Text(places::UtcOffsetText(clock.offsetSeconds.value_or(0)));
  if (!clock.abbreviation.empty() &&
      std::isalpha(static_cast<unsigned char>(clock.abbreviation[0])))
    text += QLatin1Char(' ') + Text(clock.abbreviation);
  return text;
}

// The status sentence in at most two lines of the label's width; a longer one ends in "…" and
// is shown whole as the tooltip.
class TwoLineLabel final : public QLabel {
 public:
  using QLabel::QLabel;
  void SetSentence(const QString& sentence) {
    sentence_ = sentence;
    setToolTip(sentence);
    setAccessibleDescription(sentence);
    Fit();
  }

 protected:
  void resizeEvent(QResizeEvent* event) override {
    QLabel::resizeEvent(event);
    Fit();
  }

 private:
  void Fit() {
    QTextLayout layout(sentence_, font());
    layout.beginLayout();
    QStringList lines;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLineWidth(contentsRect().width());
      if (lines.size() == 1) {  // the second line takes the rest, cut to fit
        lines << fontMetrics().elidedText(sentence_.mid(line.textStart()), Qt::ElideRight,
                                          contentsRect().width());
        break;
      }
      lines << sentence_.mid(line.textStart(), line.textLength()).trimmed();
    }
    layout.endLayout();
    setText(lines.join(QLatin1Char('\n')));
  }

  QString sentence_;
};

}  // namespace

// The completer's rows: "City, State, Country" shown, the city's name completed. Rebuilt on each
// keystroke from at most ten places, so what the popup asks is answered from stored texts.
class PlaceList final : public QAbstractListModel {
 public:
  using QAbstractListModel::QAbstractListModel;

  void Show(std::vector<const places::Place*> found) {
    beginResetModel();
    places_ = std::move(found);
    names_.clear();
    shown_.clear();
    for (const places::Place* place : places_) {
      names_ << Text(place->name);
      QString shown = names_.back();
      for (std::string_view part : {place->division, place->country})
        if (!part.empty()) shown += QStringLiteral(", ") + Text(part);
      shown_ << shown;
    }
    endResetModel();
  }

  const places::Place* At(int row) const {
    return row >= 0 && row < rowCount({}) ? places_[static_cast<std::size_t>(row)] : nullptr;
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(places_.size());
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!At(index.row())) return {};
    switch (role) {
      case Qt::DisplayRole:
      case Qt::AccessibleTextRole:
        return shown_[index.row()];
      case Qt::EditRole:  // what the completer writes into the City box
        return names_[index.row()];
      case Qt::UserRole:
        return index.row();
      default:
        return {};
    }
  }

 private:
  std::vector<const places::Place*> places_;
  QStringList names_, shown_;
};

PlacePicker::PlacePicker(QWidget& form, Dialogs& dialogs)
    : QObject(&form),
      dialogs_(dialogs),
      form_(&form),
      city_(Find<QLineEdit>(form, "txtMCity")),
      state_(Find<QLineEdit>(form, "txtMState")),
      country_(Find<QLineEdit>(form, "txtMCountry")),
      lonD_(Find<QLineEdit>(form, "txtLonD")),
      lonM_(Find<QLineEdit>(form, "txtLonM")),
      latD_(Find<QLineEdit>(form, "txtLatD")),
      latM_(Find<QLineEdit>(form, "txtLatM")),
      month_(Find<QComboBox>(form, "cboMonth")),
      date_(Find<QComboBox>(form, "cboDate")),
      year_(Find<QComboBox>(form, "cboYear")),
      hour_(Find<QComboBox>(form, "cboHH")),
      minute_(Find<QComboBox>(form, "cboMM")),
      second_(Find<QComboBox>(form, "cboSS")),
      zone_(Find<QComboBox>(form, "cmbTimeZone")),
      dst_(Find<QCheckBox>(form, "chkDST")),
      east_(Find<QRadioButton>(form, "optLong0")),
      west_(Find<QRadioButton>(form, "optLong1")),
      north_(Find<QRadioButton>(form, "optLat0")),
      south_(Find<QRadioButton>(form, "optLat1")) {
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
}

PlacePicker::~PlacePicker() = default;

void PlacePicker::BuildStatusArea(QWidget& form) {
  statusArea_ = new QWidget(&form);
  statusArea_->setObjectName(QStringLiteral("fraPlaceStatus"));
  auto* row = new QHBoxLayout(statusArea_);
  row->setContentsMargins(0, 0, 0, 0);
  status_ = new TwoLineLabel(statusArea_);
  status_->setObjectName(QStringLiteral("lblPlaceStatus"));
  status_->setAccessibleName(QStringLiteral("Place and clock status"));
  status_->setTextFormat(Qt::PlainText);
  status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // Two lines, always: the form does not jump as the sentence changes.
  status_->setFixedHeight(status_->fontMetrics().lineSpacing() * 2 + 2);
  status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  offer_ = new QPushButton(statusArea_);
  offer_->setObjectName(QStringLiteral("cmdUseZoneRow"));
  offer_->setAccessibleName(QStringLiteral("Convert the birth time to the zone row's clock"));
  offer_->setAutoDefault(false);
  offer_->hide();
  connect(offer_, &QPushButton::clicked, this, &PlacePicker::AcceptConversion);
  row->addWidget(status_, 1);
  row->addWidget(offer_, 0, Qt::AlignVCenter);
  SetStatus(QStringLiteral(
      "Type the city of birth to choose it from the offline atlas: its coordinates, zone and "
      "daylight saving then follow from the birth date and time."));
}

// Only signals that fire on the person's own action: the program's filling never counts.
void PlacePicker::ConnectHandEdits() {
  const std::pair<QLineEdit*, QString> boxes[] = {
      {city_, QStringLiteral("City")},       {state_, QStringLiteral("State")},
      {country_, QStringLiteral("Country")}, {lonD_, QStringLiteral("Longitude")},
      {lonM_, QStringLiteral("Longitude")},  {latD_, QStringLiteral("Latitude")},
      {latM_, QStringLiteral("Latitude")}};
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
  connect(zone_, &QComboBox::activated, this,
          [this] { HandEdit(QStringLiteral("Time zone chosen by hand")); });
}

void PlacePicker::Search(const QString& text) {
  typed_ = text;
  if (!atlas_) {
    atlas_.emplace(loader_());
    completer_->popup()->installEventFilter(this);  // after the completer's own: runs first
    if (!atlas_->ok())
      SetStatus(QStringLiteral("The offline atlas could not be read (%1); enter the place, its "
                               "coordinates and zone by hand.")
                    .arg(QString::fromStdString(atlas_->problem())));
  }
  if (!atlas_->ok()) return;
  const QByteArray query = text.toUtf8();
  list_->Show(atlas_->Search(
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
  if (const places::Place* place = list_->At(row)) Pick(*place);
}

void PlacePicker::Pick(const places::Place& place) {
  picked_ =
      Picked{std::string(place.name), std::string(place.zone), place.latitude, place.longitude};
  answered_.reset();
  typed_ = Text(place.name);
  city_->setText(typed_);
  state_->setText(Text(place.division));
  country_->setText(Text(place.country));
  for (QLineEdit* box : {state_, country_}) box->setCursorPosition(0);  // the start of a long name
  const auto lon = places::ToDegreesMinutes(place.longitude, 179);
  const auto lat = places::ToDegreesMinutes(place.latitude, 89);
  lonD_->setText(QString::number(lon.degrees));
  lonM_->setText(QString::number(lon.minutes));
  latD_->setText(QString::number(lat.degrees));
  latM_->setText(QString::number(lat.minutes));
  (lon.positive ? east_ : west_)->setChecked(true);
  (lat.positive ? north_ : south_)->setChecked(true);
  mode_ = Mode::Atlas;
  Decide();
}

void PlacePicker::Redecide() {
  if (mode_ != Mode::Atlas) return;
  // Someone else (a file read in, say) wrote into the boxes: theirs stands.
  if (Read() != filled_) return HandEdit(QStringLiteral("The place was changed elsewhere"));
  Decide();
}

std::optional<PlacePicker::AtlasClock> PlacePicker::DecidedClock() const {
  if (mode_ != Mode::Atlas || !picked_ || !fittedOffset_ || Read() != filled_) return std::nullopt;
  return AtlasClock{picked_->zone, *fittedOffset_};
}

void PlacePicker::Decide() {
  ClearOffer();
  fittedOffset_.reset();
  const Picked& p = *picked_;
  const QString name = Text(p.name);
  const std::optional<chr::local_seconds> local = BirthTime();
  if (!local) {
    SetStatus(name + QStringLiteral(": the birth date is not a date of the calendar; the zone "
                                    "and box are left as they are."));
    filled_ = Read();
    return;
  }
  if (tzVersion_.empty()) tzVersion_ = places::TzDataVersion();
  places::BirthClock clock = clocks_.At(p.zone, *local, p.longitude);
  if (clock.error.empty() && clock.kind == places::ClockKind::Repeated) {
    const std::optional<bool> later = AskWhichInstance(*local);
    if (!later) {
      SetStatus(QStringLiteral("%1, %2 %3: this clock time happened twice; the zone and box are "
                               "left as they are until you say which (pick the city again).")
                    .arg(name, DateText(chr::floor<chr::days>(*local)), TimeText(*local)));
      filled_ = Read();
      return;
    }
    if (*later) clock = clocks_.At(p.zone, *local, p.longitude, true);
  }
  const places::RowChoice choice = places::ChooseRow(clock, *local);
  if (choice.fit) {
    zone_->setCurrentIndex(choice.fit->row);
    dst_->setChecked(choice.fit->dst);
    fittedOffset_ = clock.offsetSeconds;
  } else if (choice.conversion && !choice.conversion->outOfRange) {
    conversion_ = choice.conversion;
    convertedFrom_ = *local;
    convertedFromOffset_ = clock.offsetSeconds.value_or(0);
    offer_->setToolTip(QStringLiteral("Convert the birth time to %1 %2")
                           .arg(ConvertedText(*local, conversion_->local),
                                Text(places::RowName(conversion_->row))));
    offer_->setText(QStringLiteral("Use %1 %2")
                        .arg(ConvertedText(*local, conversion_->local),
                             Text(places::RowAbbreviation(conversion_->row))));
    offer_->show();
  }
  SetStatus(
      Text(places::ClockStatus({p.name, *local, p.zone, tzVersion_, p.longitude}, clock, choice)));
  filled_ = Read();
}

std::optional<bool> PlacePicker::AskWhichInstance(chr::local_seconds local) {
  if (answered_ && answered_->first == local) return answered_->second;
  const Picked& p = *picked_;
  const places::BirthClock first = clocks_.At(p.zone, local, p.longitude, false);
  const places::BirthClock second = clocks_.At(p.zone, local, p.longitude, true);
  const QString text =
      QStringLiteral(
          "In %1, %2 on %3 happened twice: the clocks went back from %4 to %5. "
          "Which of the two was the birth?")
          .arg(Text(p.name), TimeText(local), DateText(chr::floor<chr::days>(local)),
               Text(places::UtcOffsetText(first.offsetBeforeSeconds)),
               Text(places::UtcOffsetText(first.offsetAfterSeconds)));
  const QStringList options = {
      QStringLiteral("The first (%1%2)")
          .arg(ClockName(first), first.ahead.value_or(false)
                                     ? QStringLiteral(", still on the summer clock")
                                     : QString()),
      QStringLiteral("The second (%1)").arg(ClockName(second))};
  const int answer = dialogs_.AskChoice(form_, text, options);
  if (answer != 0 && answer != 1) return std::nullopt;
  answered_ = std::pair(local, answer == 1);
  return answer == 1;
}

void PlacePicker::AcceptConversion() {
  if (!conversion_) return;
  const places::Conversion c = *conversion_;
  ClearOffer();
  const int year = static_cast<int>(chr::year_month_day(chr::floor<chr::days>(c.local)).year());
  if (c.outOfRange || year_->findText(QString::number(year)) < 0) {
    dialogs_.ShowMessage(form_,
                         QStringLiteral("The converted time falls outside the years the form "
                                        "offers; the birth time is left as it is."),
                         reading::MessageIcon::Information);
    return;
  }
  mode_ = Mode::Hand;  // first, so the lists filled below do not re-decide
  SetBirthTime(c.local);
  zone_->setCurrentIndex(c.row);
  dst_->setChecked(false);
  QString text =
      QStringLiteral("Birth time converted: %1 at %2 is %3 %4")
          .arg(TimeText(convertedFrom_), Text(places::UtcOffsetText(convertedFromOffset_)),
               ConvertedText(convertedFrom_, c.local), Text(places::RowName(c.row)));
  if (c.secondsDropped) text += QStringLiteral(" (the chart drops the seconds)");
  SetStatus(text + kHandNote);
}

void PlacePicker::HandEdit(const QString& what) {
  if (mode_ != Mode::Atlas) return;
  mode_ = Mode::Hand;
  ClearOffer();
  SetStatus(what + kHandNote);
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

void PlacePicker::SetBirthTime(chr::local_seconds local) {
  const auto day = chr::floor<chr::days>(local);
  const chr::year_month_day ymd(day);
  const chr::hh_mm_ss hms(local - day);
  const auto pick = [](QComboBox* list, long long value) {
    list->setCurrentIndex(list->findText(QString::number(value)));
  };
  pick(year_, static_cast<int>(ymd.year()));
  month_->setCurrentIndex(static_cast<int>(static_cast<unsigned>(ymd.month())) - 1);
  pick(date_, static_cast<unsigned>(ymd.day()));
  pick(hour_, hms.hours().count());
  pick(minute_, hms.minutes().count());
  pick(second_, hms.seconds().count());
}

PlacePicker::Filled PlacePicker::Read() const {
  return {city_->text(),       state_->text(),        country_->text(), lonD_->text(),
          lonM_->text(),       latD_->text(),         latM_->text(),    east_->isChecked(),
          north_->isChecked(), zone_->currentIndex(), dst_->isChecked()};
}

void PlacePicker::SetStatus(const QString& text) {
  static_cast<TwoLineLabel*>(status_)->SetSentence(text);
}

void PlacePicker::ClearOffer() {
  conversion_.reset();
  offer_->hide();
}

}  // namespace ui

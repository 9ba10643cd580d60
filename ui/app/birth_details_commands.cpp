#include "ui/app/birth_details_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QStandardPaths>

#include "core/birth_value.h"
#include "core/entries_json.h"
#include "core/numbers.h"
#include "places/birth_clock.h"
#include "places/clock_status.h"
#include "ui/common/filled_template.h"
#include "ui/common/language.h"
#include "ui/common/quoted.h"
#include "ui/common/services.h"
#include "ui/form/birth_form.h"
#include "ui/form/form_filling.h"
#include "ui/form/place_picker.h"
#include "ui/output/birth_details_file.h"
#include "ui/output/file_dialogs.h"

namespace ui {

namespace {

// The entries that say where the birth took place.
bool SamePlace(const core::FormEntries& a, const core::FormEntries& b) {
  return a.txtMCity == b.txtMCity && a.txtMState == b.txtMState && a.txtMCountry == b.txtMCountry &&
         a.txtLonD == b.txtLonD && a.txtLonM == b.txtLonM && a.txtLatD == b.txtLatD &&
         a.txtLatM == b.txtLatM && a.optLongEast == b.optLongEast &&
         a.optLatNorth == b.optLatNorth && a.cmbTimeZone == b.cmbTimeZone && a.chkDST == b.chkDST &&
         a.utcOffsetSeconds == b.utcOffsetSeconds;
}

QAction* NamedAction(const char* text, const char* name, const QKeySequence& keys,
                     QObject* parent) {
  auto* action = new QAction(parent);
  SetTranslated(action, "text", "BirthDetails", text);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(keys);
  return action;
}

}  // namespace

BirthDetailsCommands::BirthDetailsCommands(Dialogs& dialogs, FileDialogs& files, QObject* parent)
    : QObject(parent), dialogs_(dialogs), files_(files) {}

void BirthDetailsCommands::AddToForm(FrmMain& form) {
  form_ = &form;
  auto* menu = form.findChild<QMenu*>(QStringLiteral("mnuFile"));
  auto* exit = form.findChild<QAction*>(QStringLiteral("mnuExit"));
  if (!menu) return;
  QAction* open = NamedAction(QT_TRANSLATE_NOOP("BirthDetails", "&Open Birth Details..."),
                              "mnuOpenDetails", QKeySequence::Open, menu);
  QAction* save = NamedAction(QT_TRANSLATE_NOOP("BirthDetails", "&Save Birth Details..."),
                              "mnuSaveDetails", QKeySequence::Save, menu);
  connect(open, &QAction::triggered, this, [this, &form] { Open(form); });
  connect(save, &QAction::triggered, this, [this, &form] { Save(&form, form.Entries()); });
  menu->insertActions(exit, {open, save});
  menu->insertSeparator(exit)->setObjectName(QStringLiteral("mnuDetailsSep"));
}

void BirthDetailsCommands::AddSaveItem(QMenu& menu, QAction* before, QWidget* parent,
                                       const core::FormEntries& entries) {
  QAction* save = NamedAction(QT_TRANSLATE_NOOP("BirthDetails", "Save Birth &Details..."),
                              "mnuSaveDetails", QKeySequence::Save, &menu);
  connect(save, &QAction::triggered, this, [this, parent, entries] { Save(parent, entries); });
  menu.insertAction(before, save);
}

QString BirthDetailsCommands::Folder() const {
  return folder_.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                           : folder_;
}

void BirthDetailsCommands::Open(FrmMain& form) {
  const QString path =
      files_.OpenFileName(&form, QCoreApplication::translate("BirthDetails", "Open Birth Details"),
                          Folder(), kBirthDetailsFilter);
  if (!path.isEmpty()) OpenFile(form, path);
}

bool BirthDetailsCommands::OpenFile(FrmMain& form, const QString& path) {
  OpenedBirthDetails opened = ReadBirthDetailsFile(path);
  TypedEntries typed;
  if (opened.details) {
    typed = AsTyped(form, opened.details->entries);
    if (!typed.problem.isEmpty()) opened.error = FileProblem(path, typed.problem);
  }
  if (!opened.error.isEmpty()) {
    dialogs_.ShowMessage(&form, opened.error, reading::MessageIcon::Error);
    return false;
  }
  folder_ = QFileInfo(path).absolutePath();
  FillForm(form, typed.entries, opened.details->place);
  opened_ = core::BirthDetails{form.Entries(), opened.details->place};
  if (const auto change = OffsetChange(path, *opened.details))
    dialogs_.ShowMessage(&form, *change, reading::MessageIcon::Information);
  return true;
}

std::optional<core::AtlasPlace> BirthDetailsCommands::PlaceFor(
    const core::FormEntries& entries) const {
  // A place the atlas set in the form, while the entries still hold it.
  if (form_ && SamePlace(form_->Entries(), entries)) {
    if (const auto* picker = form_->findChild<const PlacePicker*>(QStringLiteral("placePicker")))
      if (const auto clock = picker->DecidedClock())
        return core::AtlasPlace{clock->zone, clock->offsetSeconds};
  }
  if (opened_ && SamePlace(opened_->entries, entries)) return opened_->place;
  return std::nullopt;
}

std::optional<QString> BirthDetailsCommands::OffsetChange(const QString& path,
                                                          const core::BirthDetails& details) {
  if (!details.place) return std::nullopt;
  const core::FormEntries& e = details.entries;
  const auto lonD = core::WholeNumber(e.txtLonD), lonM = core::WholeNumber(e.txtLonM);
  const auto local = core::LocalBirthTime(e);
  if (!local || !lonD || !lonM) return std::nullopt;
  const double longitude = core::GeoAngle{*lonD, *lonM, e.optLongEast}.Signed();
  const places::BirthClock clock = places::BirthClocks().At(details.place->zone, *local, longitude);
  if (!clock.error.empty() || !clock.offsetSeconds ||
      *clock.offsetSeconds == details.place->offsetSeconds)
    return std::nullopt;
  return Filled(
      QCoreApplication::translate(
          "BirthDetails",
          "%1 was saved with %2 for %3 at the birth time; the tz data in use "
          "(%4) gives %5. The form keeps the %6 of the file."),
      {Quoted(QFileInfo(path).fileName()),
       QString::fromStdString(places::UtcOffsetText(details.place->offsetSeconds)),
       QString::fromStdString(details.place->zone), QString::fromStdString(places::TzDataVersion()),
       QString::fromStdString(places::UtcOffsetText(*clock.offsetSeconds)),
       e.utcOffsetSeconds
           ? QCoreApplication::translate("BirthDetails", "offset")
           : QCoreApplication::translate("BirthDetails", "zone and daylight saving")});
}

void BirthDetailsCommands::Save(QWidget* parent, const core::FormEntries& entries) {
  const QString name = QString::fromStdString(entries.txtName).trimmed();
  const QString proposed = QDir(Folder()).filePath(
      (name.isEmpty() ? QCoreApplication::translate("BirthDetails", "Birth details") : name) +
      kBirthDetailsSuffix);
  QString path =
      files_.SaveFileName(parent, QCoreApplication::translate("BirthDetails", "Save Birth Details"),
                          proposed, kBirthDetailsFilter);
  if (path.isEmpty()) return;
  if (!path.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) path += kBirthDetailsSuffix;
  if (auto error = WriteBirthDetailsFile(path, {entries, PlaceFor(entries)})) {
    dialogs_.ShowMessage(parent, *error, reading::MessageIcon::Error);
    return;
  }
  folder_ = QFileInfo(path).absolutePath();
}

}  // namespace ui

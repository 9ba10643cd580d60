#pragma once
// The City box's offline atlas. As the person types, the atlas offers places; picking one fills
// the place and its coordinates, and the zone list and daylight-saving box from the clock the
// place kept at the birth date and time; a clock no zone row shows is an extra entry of the zone
// list. A status line says what was decided and on what it rests. The decisions are
// places::PlaceEntry's; this class reads and writes the widgets. The atlas is loaded on the
// first keystroke, so it adds nothing to start-up.

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "places/atlas.h"
#include "places/birth_clock.h"
#include "places/place_entry.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace ui {

class Dialogs;
class PlaceList;
class TwoLineLabel;

class PlacePicker : public QObject {
  Q_OBJECT
 public:
  // Attaches to the form's widgets, found by their object names (txtMCity, cboYear, ...).
  // The status area is built but placed by the form.
  PlacePicker(QWidget& form, Dialogs& dialogs);
  ~PlacePicker() override;

  // The status line (lblPlaceStatus).
  QWidget* StatusArea() const { return statusArea_; }
  QCompleter* Completer() const { return completer_; }

  // Replaces the atlas's loader (tests); it is called once, on the first keystroke.
  void SetAtlasLoader(std::function<places::Atlas()> loader) { loader_ = std::move(loader); }
  bool AtlasLoaded() const { return atlas_.has_value(); }

  // Fills the form from a place exactly as picking it from the list does.
  void Pick(const places::Match& match);
  // After a birth-details file was read into the boxes: shows its clock (the zone list's extra
  // entry for its exact offset) and, where it names the zone the atlas gave the place and the
  // tz data agrees, lets the atlas decide again as before it was saved.
  void Reopen(const std::optional<core::AtlasPlace>& saved, std::optional<int> exactOffset);
  void Pick(const places::Place& place) { Pick(places::Match{&place, {}, false}); }

  // The zone and UTC offset behind the form's clock while the atlas sets it (a place picked,
  // nothing changed by hand since); empty otherwise.
  using AtlasClock = places::PlaceEntry::AtlasClock;
  std::optional<AtlasClock> DecidedClock() const;
  // The offset of the zone list's extra entry while it is selected.
  std::optional<int> ExactOffsetSeconds() const;
  // The clock used, for the result and the page ("UTC+6:30, war time, Asia/Kolkata"); empty
  // unless the atlas decided it.
  QString ClockSummary() const;

  // Puts the questions the person must answer before a reading (a repeated or skipped clock
  // time, a City that no longer names the filled place); false when one was cancelled or its
  // answer asks for more entries.
  bool ConfirmForReading() { return Ask(false); }

 protected:
  // Tab and Escape close the list without picking (QCompleter would pick on Tab).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildStatusArea(QWidget& form);
  void ConnectHandEdits();
  void Search(const QString& text);
  void FitListWidth();
  void KeepListOverForm();
  void PickRow(int row);
  void Decide();
  void Show(const std::optional<places::ZoneShown>& shown);
  void Redecide();
  void HandEdit(const QString& what);
  void CityEdited();
  bool Ask(bool leavingTimeLists);
  void LeftWidget(QWidget* old, QWidget* now);
  void ShowExactEntry();
  void ClearPlace();
  std::optional<std::chrono::local_seconds> BirthTime() const;
  std::optional<places::Match> CityNamed() const;
  places::FormPlace Read() const;
  void SetStatus(const core::Words& words);

  Dialogs& dialogs_;
  QWidget* form_;
  QLineEdit *city_, *state_, *country_, *lonD_, *lonM_, *latD_, *latM_;
  QComboBox *month_, *date_, *year_, *hour_, *minute_, *second_, *zone_;
  QCheckBox* dst_;
  QRadioButton *east_, *west_, *north_, *south_;

  QWidget* statusArea_ = nullptr;
  TwoLineLabel* status_ = nullptr;
  core::Words statusWords_;  // the status sentence as written, translated where it is shown
  PlaceList* list_ = nullptr;
  QCompleter* completer_ = nullptr;
  QString typed_;  // what the person typed, restored when the list is dismissed

  std::function<places::Atlas()> loader_ = &places::Atlas::Load;
  std::optional<places::Atlas> atlas_;
  places::BirthClocks clocks_;
  std::optional<places::PlaceEntry> entry_;  // made at the first pick, with the tz version
  bool asking_ = false;
};

}  // namespace ui

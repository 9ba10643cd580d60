#pragma once
// The City box's offline atlas. As the person types, the atlas offers places; picking one fills
// the place, its coordinates, and the zone row and daylight-saving box from the clock the place
// kept at the birth date and time (places/birth_clock.h, places/zone_rows.h). A status line
// says what was decided and on what it rests. The atlas is loaded on the first keystroke, so it
// adds nothing to start-up.

#include <QObject>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>
#include <string>

#include "places/atlas.h"
#include "places/birth_clock.h"
#include "places/zone_rows.h"

class QCheckBox;
class QComboBox;
class QCompleter;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;

namespace ui {

class Dialogs;
class PlaceList;

class PlacePicker : public QObject {
  Q_OBJECT
 public:
  // Attaches to the form's widgets, found by their object names (txtMCity, cboYear, ...).
  // The status area is built but placed by the form.
  PlacePicker(QWidget& form, Dialogs& dialogs);
  ~PlacePicker() override;

  // The status line (lblPlaceStatus) and the button that offers a conversion.
  QWidget* StatusArea() const { return statusArea_; }
  QCompleter* Completer() const { return completer_; }

  // Replaces the atlas's loader (tests); it is called once, on the first keystroke.
  void SetAtlasLoader(std::function<places::Atlas()> loader) { loader_ = std::move(loader); }
  bool AtlasLoaded() const { return atlas_.has_value(); }

  // Fills the form from a place exactly as picking it from the list does.
  void Pick(const places::Place& place);

  // The zone and UTC offset behind the form's zone and box while the atlas sets them (a place
  // picked, a zone row fitting its clock, nothing changed by hand since); empty otherwise.
  struct AtlasClock {
    std::string zone;
    int offsetSeconds;
  };
  std::optional<AtlasClock> DecidedClock() const;

 protected:
  // Tab and Escape close the list without picking (QCompleter would pick on Tab).
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Who sets the zone and box: nobody yet, the atlas (from the picked place), or the person.
  enum class Mode { None, Atlas, Hand };
  // What the program last wrote into the place's boxes; a difference means someone else did.
  struct Filled {
    QString city, state, country, lonD, lonM, latD, latM;
    bool east, north;
    int zone;
    bool dst;
    bool operator==(const Filled&) const = default;
  };
  struct Picked {
    std::string name, zone;
    double latitude, longitude;
  };

  void BuildStatusArea(QWidget& form);
  void ConnectHandEdits();
  void Search(const QString& text);
  void FitListWidth();
  void KeepListOverForm();
  void PickRow(int row);
  void Decide();
  void Redecide();
  std::optional<bool> AskWhichInstance(std::chrono::local_seconds local);
  void AcceptConversion();
  void HandEdit(const QString& what);
  std::optional<std::chrono::local_seconds> BirthTime() const;
  void SetBirthTime(std::chrono::local_seconds local);
  Filled Read() const;
  void SetStatus(const QString& text);
  void ClearOffer();

  Dialogs& dialogs_;
  QWidget* form_;
  QLineEdit *city_, *state_, *country_, *lonD_, *lonM_, *latD_, *latM_;
  QComboBox *month_, *date_, *year_, *hour_, *minute_, *second_, *zone_;
  QCheckBox* dst_;
  QRadioButton *east_, *west_, *north_, *south_;

  QWidget* statusArea_ = nullptr;
  QLabel* status_ = nullptr;
  QPushButton* offer_ = nullptr;
  PlaceList* list_ = nullptr;
  QCompleter* completer_ = nullptr;
  QString typed_;  // what the person typed, restored when the list is dismissed

  std::function<places::Atlas()> loader_ = &places::Atlas::Load;
  std::optional<places::Atlas> atlas_;
  places::BirthClocks clocks_;
  std::string tzVersion_;

  Mode mode_ = Mode::None;
  std::optional<Picked> picked_;
  Filled filled_{};
  // The answer to "which of the two", for the clock time it was given for.
  std::optional<std::pair<std::chrono::local_seconds, bool>> answered_;
  std::optional<places::Conversion> conversion_;
  std::optional<int> fittedOffset_;  // the offset of the row the atlas last set
  std::chrono::local_seconds convertedFrom_{};
  int convertedFromOffset_ = 0;
};

}  // namespace ui

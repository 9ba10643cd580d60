#pragma once
// The birth-data form: name, date and time of birth, place with its coordinates, time zone
// and daylight saving. It knows widgets only; the reading turns its entries into a chart.

#include <QMainWindow>

#include "core/birth_details.h"
#include "core/form_entries.h"
#include "reading/validate_entries.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ui {

class CalculationMenu;
class Dialogs;
class LinkLabel;
class LinkOpener;
class PlacePicker;

class FrmMain : public QMainWindow {
  Q_OBJECT
 public:
  FrmMain(Dialogs& dialogs, LinkOpener& links, QWidget* parent = nullptr);

  // The entries exactly as the user left them.
  core::FormEntries Entries() const;
  // The clock the reading uses, where the atlas decided it: "UTC+6:30, war time,
  // Asia/Kolkata"; empty otherwise.
  QString ClockSummary() const;
  // Tells the user why the entries were refused and moves the focus where the fault is.
  void ShowRefusal(const reading::Refusal& refusal);
  // Shows the calculation of opened entries (empty: the built-in formulas) and the year list
  // it allows, without changing the kept preference.
  void SetCalculation(const std::optional<core::Calculation>& calculation);
  // Shows the clock of opened entries, already in the boxes: their exact offset as the zone
  // list's extra entry, and the atlas deciding again where `saved` names its zone.
  void ReopenPlace(const std::optional<core::AtlasPlace>& saved, std::optional<int> exactOffset);

 signals:
  void readingRequested();
  void exitRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Enter asks for the reading wherever it means nothing else.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildMenus();
  QWidget* BuildPersonalDetails();
  QWidget* BuildPlaceDetails();
  QWidget* BuildZone();
  // The boxes of one coordinate: degrees, minutes and the pair of directions.
  struct Coordinate {
    QLineEdit* degrees = nullptr;
    QLineEdit* minutes = nullptr;
    QRadioButton* first = nullptr;   // East or North
    QRadioButton* second = nullptr;  // West or South
  };
  struct CoordinateFrame;
  QWidget* BuildCoordinates(const CoordinateFrame& frame, Coordinate& boxes);
  void FillLists();
  // The month list in the language in use, the month chosen kept.
  void FillMonths();
  // The sizes made from the form's font, and the form's own size; again, its boxes laid out
  // anew (`laidOut`), after a change of language brings the language's typeface and texts.
  void FitToFont(bool laidOut);
  void FillMonthsOnLanguageChange();
  // The year list of the chosen calculation, keeping the year where the list has it.
  void FillYears();
  // The person picked another calculation: a year shown that the new one cannot read is asked
  // about first.
  void ChangeCalculation();
  void SetTabOrder();
  void LookUpCoordinates();
  // The reading button and menu: the place's open questions first.
  void RequestReading();

  Dialogs& dialogs_;
  LinkOpener& links_;
  QLineEdit* txtName_ = nullptr;
  QComboBox *cboMonth_ = nullptr, *cboDate_ = nullptr, *cboYear_ = nullptr;
  QComboBox *cboHH_ = nullptr, *cboMM_ = nullptr, *cboSS_ = nullptr;
  QLineEdit *txtMCity_ = nullptr, *txtMState_ = nullptr, *txtMCountry_ = nullptr;
  QPushButton* cmdBrowser_ = nullptr;
  QComboBox* cmbTimeZone_ = nullptr;
  QCheckBox* chkDST_ = nullptr;
  Coordinate longitude_, latitude_;
  QPushButton* cmdRashi_ = nullptr;
  LinkLabel* label61_ = nullptr;
  PlacePicker* picker_ = nullptr;
  CalculationMenu* calculation_ = nullptr;
  std::optional<core::Calculation> calculationShown_;  // what the year list was filled for
};

}  // namespace ui

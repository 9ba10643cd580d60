#pragma once
// The form's Calculation menu: the built-in formulas or the Swiss Ephemeris, and with the
// Swiss Ephemeris its ayanamsa, lunar node and sunrise rule, each an exclusive group whose
// entries say in a few words what they mean.

#include <QObject>
#include <optional>

#include "core/calculation.h"

class QAction;
class QActionGroup;
class QMainWindow;
class QMenu;

namespace ui {

class CalculationMenu : public QObject {
  Q_OBJECT
 public:
  // Adds the menu to the window's menu bar, before `before` (appended when null).
  CalculationMenu(QMainWindow& window, QAction* before);

  // Empty for the built-in formulas: a reading made with them records no choice.
  std::optional<core::Calculation> Choice() const;
  // Shows `choice` (empty: the built-in formulas, Swiss choices as they were) without
  // emitting changed().
  void SetChoice(const std::optional<core::Calculation>& choice);
  // The Swiss Ephemeris's three choices as checked, also while the built-in formulas are.
  core::SwissSettings SwissShown() const;

 signals:
  // The person picked another entry.
  void changed();

 private:
  void EnableSwissChoices();

  QActionGroup* ephemeris_ = nullptr;
  QActionGroup* ayanamsa_ = nullptr;
  QActionGroup* node_ = nullptr;
  QActionGroup* sunrise_ = nullptr;
  QList<QMenu*> swissMenus_;
};

}  // namespace ui

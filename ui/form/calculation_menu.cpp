#include "ui/form/calculation_menu.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <span>

#include "ui/common/language.h"

namespace ui {

namespace {

struct Entry {
  const char* name;
  const char* text;
  const char* tip;
  int value;  // the enumerator of the group's choice
};

constexpr Entry kEphemeris[] = {
    {"mnuBuiltin", QT_TRANSLATE_NOOP("CalculationMenu", "&Built-in formulas"),
     QT_TRANSLATE_NOOP(
         "CalculationMenu",
         "The program's own formulas for the years 1901 to 2050, as it has always computed"),
     static_cast<int>(core::EphemerisChoice::Builtin)},
    {"mnuSwiss", QT_TRANSLATE_NOOP("CalculationMenu", "&Swiss Ephemeris"),
     QT_TRANSLATE_NOOP("CalculationMenu",
                       "The reference ephemeris of astrologers, for the years 1800 to 2399"),
     static_cast<int>(core::EphemerisChoice::Swiss)}};
constexpr Entry kAyanamsas[] = {
    {"mnuLahiri", QT_TRANSLATE_NOOP("CalculationMenu", "&Lahiri"),
     QT_TRANSLATE_NOOP("CalculationMenu",
                       "The ayanamsa of the Indian national calendar (Chitrapaksha)"),
     static_cast<int>(core::Ayanamsa::Lahiri)},
    {"mnuRaman", QT_TRANSLATE_NOOP("CalculationMenu", "&Raman"),
     QT_TRANSLATE_NOOP("CalculationMenu",
                       "B. V. Raman's ayanamsa, about 1.5 degrees less than Lahiri"),
     static_cast<int>(core::Ayanamsa::Raman)},
    {"mnuKrishnamurti", QT_TRANSLATE_NOOP("CalculationMenu", "&Krishnamurti"),
     QT_TRANSLATE_NOOP("CalculationMenu", "The ayanamsa of the Krishnamurti Paddhati (KP)"),
     static_cast<int>(core::Ayanamsa::Krishnamurti)},
    {"mnuTrueChitrapaksha", QT_TRANSLATE_NOOP("CalculationMenu", "&True Chitrapaksha"),
     QT_TRANSLATE_NOOP("CalculationMenu", "The star Spica (Chitra) kept at exactly 180 degrees"),
     static_cast<int>(core::Ayanamsa::TrueChitrapaksha)}};
constexpr Entry kNodes[] = {
    {"mnuMeanNode", QT_TRANSLATE_NOOP("CalculationMenu", "&Mean node"),
     QT_TRANSLATE_NOOP("CalculationMenu",
                       "Rahu at the node's average place, moving evenly backwards"),
     static_cast<int>(core::Node::Mean)},
    {"mnuTrueNode", QT_TRANSLATE_NOOP("CalculationMenu", "&True node"),
     QT_TRANSLATE_NOOP("CalculationMenu",
                       "Rahu at the node's true place, which wobbles about the mean"),
     static_cast<int>(core::Node::True)}};
constexpr Entry kSunrises[] = {
    {"mnuSunriseLimb", QT_TRANSLATE_NOOP("CalculationMenu", "&Upper limb, refracted"),
     QT_TRANSLATE_NOOP(
         "CalculationMenu",
         "The Sun's upper edge on the horizon, with the air's refraction (standard almanacs)"),
     static_cast<int>(core::SunriseRule::LimbRefracted)},
    {"mnuSunriseCentre", QT_TRANSLATE_NOOP("CalculationMenu", "&Centre of the disc, unrefracted"),
     QT_TRANSLATE_NOOP(
         "CalculationMenu",
         "The centre of the Sun on the horizon, without refraction (the Hindu rule of several "
         "almanacs)"),
     static_cast<int>(core::SunriseRule::DiscCentre)}};

QActionGroup* AddGroup(QMenu& menu, std::span<const Entry> entries) {
  auto* group = new QActionGroup(&menu);
  group->setExclusive(true);
  for (const Entry& entry : entries) {
    QAction* action = menu.addAction(QString());
    action->setObjectName(QLatin1String(entry.name));
    action->setCheckable(true);
    action->setData(entry.value);
    SetTranslated(action, "text", "CalculationMenu", entry.text);
    SetTranslated(action, "statusTip", "CalculationMenu", entry.tip);
    SetTranslated(action, "toolTip", "CalculationMenu", entry.tip);
    group->addAction(action);
  }
  group->actions().constFirst()->setChecked(true);
  return group;
}

QMenu* NamedMenu(QMenu* menu, const char* name, const char* title) {
  menu->setObjectName(QLatin1String(name));
  WhenTranslated(menu, [menu, title] {
    menu->setTitle(QCoreApplication::translate("CalculationMenu", title));
    menu->setAccessibleName(menu->title().remove(QLatin1Char('&')));
  });
  menu->setToolTipsVisible(true);
  return menu;
}

int Checked(const QActionGroup* group) {
  return group->checkedAction() ? group->checkedAction()->data().toInt() : 0;
}

void Check(QActionGroup* group, int value) {
  for (QAction* action : group->actions())
    if (action->data().toInt() == value) action->setChecked(true);
}

}  // namespace

CalculationMenu::CalculationMenu(QMainWindow& window, QAction* before) : QObject(&window) {
  auto* menu = NamedMenu(new QMenu(&window), "mnuCalculation",
                         QT_TRANSLATE_NOOP("CalculationMenu", "&Calculation"));
  window.menuBar()->insertMenu(before, menu);
  ephemeris_ = AddGroup(*menu, kEphemeris);
  menu->addSeparator();
  const struct {
    const char* title;
    const char* name;
    QActionGroup* CalculationMenu::*group;
    std::span<const Entry> entries;
  } subMenus[] = {{QT_TRANSLATE_NOOP("CalculationMenu", "&Ayanamsa"), "mnuAyanamsa",
                   &CalculationMenu::ayanamsa_, kAyanamsas},
                  {QT_TRANSLATE_NOOP("CalculationMenu", "Lunar &node"), "mnuNode",
                   &CalculationMenu::node_, kNodes},
                  {QT_TRANSLATE_NOOP("CalculationMenu", "S&unrise"), "mnuSunrise",
                   &CalculationMenu::sunrise_, kSunrises}};
  for (const auto& sub : subMenus) {
    QMenu* choices = NamedMenu(menu->addMenu(QString()), sub.name, sub.title);
    SetTranslated(choices->menuAction(), "statusTip", "CalculationMenu",
                  QT_TRANSLATE_NOOP("CalculationMenu", "A choice of the Swiss Ephemeris"));
    this->*sub.group = AddGroup(*choices, sub.entries);
    swissMenus_ << choices;
  }
  for (QActionGroup* group : {ephemeris_, ayanamsa_, node_, sunrise_})
    connect(group, &QActionGroup::triggered, this, [this] {
      EnableSwissChoices();
      emit changed();
    });
  EnableSwissChoices();
}

std::optional<core::Calculation> CalculationMenu::Choice() const {
  if (Checked(ephemeris_) != static_cast<int>(core::EphemerisChoice::Swiss)) return std::nullopt;
  core::Calculation calculation;
  calculation.ephemeris = core::EphemerisChoice::Swiss;
  calculation.swiss = SwissShown();
  return calculation;
}

core::SwissSettings CalculationMenu::SwissShown() const {
  core::SwissSettings swiss;
  swiss.ayanamsa = static_cast<core::Ayanamsa>(Checked(ayanamsa_));
  swiss.node = static_cast<core::Node>(Checked(node_));
  swiss.sunrise = static_cast<core::SunriseRule>(Checked(sunrise_));
  return swiss;
}

void CalculationMenu::SetChoice(const std::optional<core::Calculation>& choice) {
  const bool swiss = choice && choice->ephemeris == core::EphemerisChoice::Swiss;
  Check(ephemeris_,
        static_cast<int>(swiss ? core::EphemerisChoice::Swiss : core::EphemerisChoice::Builtin));
  if (swiss) {
    Check(ayanamsa_, static_cast<int>(choice->swiss.ayanamsa));
    Check(node_, static_cast<int>(choice->swiss.node));
    Check(sunrise_, static_cast<int>(choice->swiss.sunrise));
  }
  EnableSwissChoices();
}

void CalculationMenu::EnableSwissChoices() {
  const bool swiss = Checked(ephemeris_) == static_cast<int>(core::EphemerisChoice::Swiss);
  for (QMenu* choices : swissMenus_) choices->setEnabled(swiss);
}

}  // namespace ui

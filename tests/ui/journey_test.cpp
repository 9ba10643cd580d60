// A person's journey through the windows: seeded random sequences of what a person can do in
// each state (enter or pick a birth, read, go back, look at every tab, every menu item, change
// the language and the calculation, open every kind of file the program writes, save, print,
// export, resize, and hand a file over from a later start while any window or dialog is up),
// with the windows' promises checked after every step.
//
// One driver on a short timer acts on whatever modal dialog is up, nested ones too; actions run
// through queued calls, so a dialog's own event loop never blocks the driver. Each step has a
// deadline: past it every dialog is rejected and the seed fails. Before each step the seed and
// the step go to standard error; a failing seed replays with OPC_JOURNEY_SEED=<seed>.
// OPC_JOURNEY_FIRST_SEED, OPC_JOURNEY_SEEDS and OPC_JOURNEY_STEPS set which seeds run and how
// long each is; OPC_JOURNEY_STEP_MS is a step's deadline.
//
// The desktop is private: own HOME, XDG_CONFIG_HOME and XDG_RUNTIME_DIR, no platform theme
// (its dialogs would be the desktop's), no plugin folders once the window system is up (so the
// printer is a PDF writer and never the print system), links recorded instead of opened.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QDateTime>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScopeGuard>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <future>
#include <random>
#include <set>

#include "core/entries_json.h"
#include "core/zone_table.h"
#include "reading/reading.h"
#include "ui/app/hand_over_queue.h"
#include "ui/app/program.h"
#include "ui/common/language.h"
#include "ui/common/language_menu.h"
#include "ui/common/services.h"
#include "ui/form/birth_form.h"
#include "ui/form/form_filling.h"
#include "ui/form/place_picker.h"
#include "ui/output/birth_details_file.h"
#include "ui/output/file_dialogs.h"
#include "ui/output/printer_module.h"
#include "ui/output/reading_page.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"
#include "window_walk.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

int EnvNumber(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

// ---- The desktop's stand-ins.

class RecordingLinks final : public ui::LinkOpener {
 public:
  void Open(const QUrl& address) override { opened << address; }
  QList<QUrl> opened;
};

// The desktop's own file dialogs (Qt's, as no platform theme is loaded); printing through the
// program's printing module, whose printer writes PDF where no print system is found.
class JourneyFiles final : public ui::FileDialogs {
 public:
  QString OpenFileName(QWidget* parent, const QString& caption, const QString& folder,
                       const QString& filter) override {
    return real_.OpenFileName(parent, caption, folder, filter);
  }
  QString SaveFileName(QWidget* parent, const QString& caption, const QString& proposed,
                       const QString& filter) override {
    return real_.SaveFileName(parent, caption, proposed, filter);
  }
  std::optional<QString> Print(QWidget* parent,
                               const std::function<void(QPagedPaintDevice&)>& paint) override {
    auto module = ui::LoadPrinterModule({QFileInfo(OPC_PRINTER_MODULE).absolutePath()});
    if (auto* problem = std::get_if<QString>(&module)) return *problem;
    std::get<ui::PrinterModule*>(module)->Preview(parent, ui::SetUpPage, paint);
    return std::nullopt;
  }

 private:
  ui::QtFileDialogs real_;
};

// ---- The births a person enters.

int ZoneRow(std::string_view startsWith) {
  const auto& table = core::ZoneTable();
  for (std::size_t row = 0; row < table.size(); ++row)
    if (std::string_view(table[row].text).starts_with(startsWith)) return static_cast<int>(row);
  qFatal("no zone row %s", std::string(startsWith).c_str());
}

core::Calculation Swiss(core::Ayanamsa ayanamsa, core::Node node, core::SunriseRule sunrise) {
  core::Calculation c;
  c.ephemeris = core::EphemerisChoice::Swiss;
  c.swiss = {ayanamsa, node, sunrise};
  return c;
}

struct Birth {
  const char* label;
  core::BirthDetails details;
};

core::FormEntries Entries(const char* name, int month, const char* day, const char* year,
                          const char* hour, const char* minute, const char* city,
                          const char* country, int zone, const char* lonD, const char* lonM,
                          bool east, const char* latD, const char* latM, bool north) {
  core::FormEntries e;
  e.txtName = name;
  e.cboMonth = month;
  e.cboDate = day;
  e.cboYear = year;
  e.cboHH = hour;
  e.cboMM = minute;
  e.cboSS = "0";
  e.txtMCity = city;
  e.txtMCountry = country;
  e.cmbTimeZone = zone;
  e.txtLonD = lonD;
  e.txtLonM = lonM;
  e.optLongEast = east;
  e.txtLatD = latD;
  e.txtLatM = latM;
  e.optLatNorth = north;
  return e;
}

// Every kind of birth a file holds: version 1 (a zone row, with or without daylight saving and
// the atlas's place) and version 2 (an exact offset, a Swiss calculation, a year only the Swiss
// Ephemeris takes).
std::vector<Birth> Births() {
  const int india = ZoneRow("Indian Time");
  std::vector<Birth> births;
  core::FormEntries delhi = Entries("ASHA RANI", 2, "7", "1984", "10", "5", "New Delhi", "India",
                                    india, "77", "13", true, "28", "38", true);
  delhi.cboSS = "30";
  births.push_back({"Delhi, version 1", {delhi, core::AtlasPlace{"Asia/Kolkata", 19800}}});
  core::FormEntries kathmandu = Entries("GITA", 4, "1", "1990", "6", "0", "Kathmandu", "Nepal", -1,
                                        "85", "19", true, "27", "42", true);
  kathmandu.utcOffsetSeconds = 20700;
  births.push_back(
      {"Kathmandu, exact offset", {kathmandu, core::AtlasPlace{"Asia/Kathmandu", 20700}}});
  core::FormEntries swiss = delhi;
  swiss.txtName = "RAVI";
  swiss.calculation = Swiss(core::Ayanamsa::Raman, core::Node::True, core::SunriseRule::DiscCentre);
  births.push_back({"Delhi, Swiss Ephemeris", {swiss, std::nullopt}});
  core::FormEntries varanasi = Entries("KASHI", 0, "15", "1850", "12", "0", "Varanasi", "India",
                                       india, "83", "0", true, "25", "19", true);
  varanasi.calculation =
      Swiss(core::Ayanamsa::Lahiri, core::Node::Mean, core::SunriseRule::LimbRefracted);
  births.push_back({"Varanasi 1850, Swiss only", {varanasi, std::nullopt}});
  core::FormEntries newYork =
      Entries("JOHN", 6, "4", "1970", "15", "0", "New York", "United States",
              ZoneRow("Eastern Standard Time"), "74", "0", false, "40", "43", true);
  newYork.chkDST = true;
  births.push_back({"New York, daylight saving", {newYork, std::nullopt}});
  births.push_back({"Sao Paulo, south and west",
                    {Entries("MARIA", 10, "30", "2001", "23", "59", "Sao Paulo", "Brazil",
                             ZoneRow("Brazil Zone 2"), "46", "38", false, "23", "33", false),
                     std::nullopt}});
  return births;
}

QString Json(const core::FormEntries& entries) {
  return QString::fromStdString(core::EntriesToJson(entries).dump());
}

// The entries that differ: "key: held, expected ...".
QString Difference(const core::FormEntries& held, const core::FormEntries& expected) {
  const auto a = core::EntriesToJson(held), b = core::EntriesToJson(expected);
  QStringList found;
  std::set<std::string> keys;
  for (const auto& [key, value] : a.items()) keys.insert(key);
  for (const auto& [key, value] : b.items()) keys.insert(key);
  for (const std::string& key : keys) {
    const std::string x = a.contains(key) ? a[key].dump() : "none";
    const std::string y = b.contains(key) ? b[key].dump() : "none";
    if (x != y)
      found << QStringLiteral("%1: %2, expected %3")
                   .arg(QString::fromStdString(key), QString::fromStdString(x),
                        QString::fromStdString(y));
  }
  return found.join(QStringLiteral("; "));
}

// ---- The journey.

const QString kTypedOver = QStringLiteral("Mumbai");

enum class Act {
  EnterBirth,
  PickCity,
  TypeOverCity,
  Read,
  Back,
  Tab,
  Language,
  Calculation,
  Open,
  Save,
  HandOver,
  Help,
  About,
  Print,
  ExportPdf,
  SaveChart,
  Resize,
};

const char* ActName(Act act) {
  constexpr const char* kNames[] = {
      "enter a birth", "pick a city",   "type over the city", "read",
      "back",          "a tab",         "language",           "calculation",
      "open",          "save",          "hand a file over",   "help",
      "about",         "print preview", "export PDF",         "save chart",
      "resize"};
  return kNames[static_cast<int>(act)];
}

// What the windows must show, as the journey knows it.
struct Model {
  bool result = false;     // the result window is up, the form hidden
  core::FormEntries form;  // what the form holds
  ui::Language language = ui::Language::English;
  // Files the program wrote, by path, with the entries a birth-details file holds (none for
  // a PDF or a picture, which Open refuses).
  std::map<QString, std::optional<core::FormEntries>> files;
};

class Journey : public QObject {
 public:
  Journey(unsigned seed, int steps, const QString& folder, const std::vector<Birth>& births,
          int stepDeadlineMs)
      : seed_(seed),
        steps_(steps),
        folder_(folder),
        births_(births),
        random_(seed),
        deadline_(stepDeadlineMs),
        program_(dialogs_, links_, files_) {
    if (guard_.AnotherIsRunning()) qFatal("another copy holds the journey's lock");
    guard_.ListenForFiles([this](const QString& path) { return program_.HandOver(path); });
    for (const Birth& birth : births_) {
      const QString path = QDir(folder_).filePath(QString::fromLatin1(birth.label) + ".opc.json");
      if (auto error = ui::WriteBirthDetailsFile(path, birth.details))
        qFatal("%s", qPrintable(*error));
      model_.files[path] = birth.details.entries;
    }
    const QString broken = QDir(folder_).filePath("broken.opc.json");
    QFile file(broken);
    if (file.open(QIODevice::WriteOnly)) file.write("{\"format\": ");
    model_.files[broken] = std::nullopt;
  }

  // The failures; empty when every step kept every promise.
  QStringList Run() {
    ui::UseLanguage(ui::Language::English);
    program_.Start();
    model_.form = program_.Form()->Entries();
    QTimer driver;
    driver.setInterval(15);
    connect(&driver, &QTimer::timeout, this, [this] { Drive(); });
    driver.start();
    loop_.exec();
    driver.stop();
    if (handOver_.valid()) handOver_.wait();
    return failures_;
  }

 private:
  // One tick: answer the dialog that is up, or end the step and start the next.
  void Drive() {
    if (done_) return;
    if (Clock::now() > stepStart_ + deadline_ && step_ > 0) {
      QWidget* up = QApplication::activeModalWidget();
      const auto* box = qobject_cast<QMessageBox*>(up);
      Fail(QStringLiteral("step did not end within %1 ms (%2 up: \"%3\"; the step returned: %4)")
               .arg(deadline_.count())
               .arg(up ? QLatin1String(up->metaObject()->className()) : QLatin1String("nothing"),
                    box  ? box->text()
                    : up ? up->windowTitle()
                         : QString(),
                    actionReturned_ ? QStringLiteral("yes") : QStringLiteral("no")));
      RejectEverything();
      Finish();
      return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      return;
    }
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      quiet_ = 0;
      // A dialog that stays up once its answer is in (a name it does not take) is answered
      // again: on what it did, never on how long it took.
      if (std::find(running_.begin(), running_.end(), dialog) != running_.end()) return;
      if (dialog != answering_ || answerIn_) Answer(dialog);
      return;
    }
    if (!actionReturned_ || program_.HandOverWaiting() ||
        (handOver_.valid() && handOver_.wait_for(0s) != std::future_status::ready))
      return;
    // What the step posted to the event loop runs first.
    if (++quiet_ < 6) return;
    if (step_ > 0) Check();
    if (done_) return;
    if (step_ == steps_) {
      Finish();
      return;
    }
    Start();
  }

  void Finish() {
    done_ = true;
    loop_.quit();
  }

  void Fail(const QString& what) {
    failures_ << QStringLiteral("seed %1, step %2 (%3): %4")
                     .arg(seed_)
                     .arg(step_)
                     .arg(QString::fromLatin1(ActName(act_)), what);
    std::fprintf(stderr, "journey: FAIL %s\njourney: the form holds %s\n",
                 qPrintable(failures_.last()), qPrintable(Json(program_.Form()->Entries())));
  }

  int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random_); }
  bool Chance(int percent) { return Pick(100) < percent; }
  template <typename T>
  const T& PickOf(const std::vector<T>& items) {
    return items[static_cast<std::size_t>(Pick(static_cast<int>(items.size())))];
  }

  std::vector<Act> Possible() const {
    if (model_.result)
      return {Act::Back,      Act::Tab,       Act::Tab,   Act::Language, Act::Language,
              Act::Save,      Act::HandOver,  Act::Help,  Act::About,    Act::Print,
              Act::ExportPdf, Act::SaveChart, Act::Resize};
    return {Act::EnterBirth, Act::EnterBirth, Act::PickCity,    Act::TypeOverCity, Act::Read,
            Act::Read,       Act::Language,   Act::Calculation, Act::Open,         Act::Save,
            Act::HandOver,   Act::Help,       Act::About,       Act::Resize};
  }

  QWidget* Window() const {
    return model_.result && program_.Frame() ? static_cast<QWidget*>(program_.Frame())
                                             : program_.Form();
  }

  template <typename T = QAction>
  T* Find(const char* name) const {
    return Window()->findChild<T*>(QLatin1String(name));
  }

  // Runs `act` from the event loop, so that the dialogs it opens run while the driver ticks.
  void Queue(std::function<void()> act) {
    actionReturned_ = false;
    QMetaObject::invokeMethod(
        this,
        [this, act = std::move(act)] {
          act();
          actionReturned_ = true;
        },
        Qt::QueuedConnection);
  }

  void Trigger(const char* name) {
    QPointer<QAction> action = Find(name);
    if (!action) {
      Fail(QStringLiteral("no menu item %1").arg(QLatin1String(name)));
      return;
    }
    Queue([action] {
      if (action) action->trigger();
    });
  }

  void Start() {
    ++step_;
    // Each step draws from its own sequence: how often a dialog was answered before (a
    // matter of what it took) never changes the steps after it.
    std::seed_seq stepSeed{seed_, static_cast<unsigned>(step_)};
    random_.seed(stepSeed);
    quiet_ = 0;
    answering_ = nullptr;
    questionAnswered_ = false;
    handOverDuringDialog_ = Chance(25);
    handedPath_.clear();
    handOverAnswer_.reset();
    chosenPath_.clear();
    act_ = PickOf(Possible());
    stepStart_ = Clock::now();
    // A file's time comes from the system's coarse clock, a few milliseconds behind.
    stepStartWall_ = QDateTime::currentDateTime().addMSecs(-20);
    std::fprintf(stderr, "journey: seed %u step %d: %s\n", seed_, step_, ActName(act_));
    std::fflush(stderr);
    before_ = model_;
    switch (act_) {
      case Act::EnterBirth: {
        const Birth& birth = PickOf(births_);
        model_.form = birth.details.entries;
        Queue([this, entries = birth.details.entries] { ui::FillForm(*program_.Form(), entries); });
        break;
      }
      case Act::PickCity:
        Queue([this] { PickCity(); });
        break;
      case Act::TypeOverCity:
        Queue([this] { TypeOverCity(); });
        break;
      case Act::Read:
        Queue([this] { program_.Form()->findChild<QPushButton*>("cmdRashi")->click(); });
        break;
      case Act::Back:
        Queue([this] {
          if (Chance(50))
            program_.Frame()->findChild<QPushButton*>("cmdBack")->click();
          else
            program_.Frame()->findChild<QAction*>("mnuBack")->trigger();
        });
        break;
      case Act::Tab:
        Queue([this] {
          std::vector<std::pair<QTabWidget*, int>> pages;
          // On a small screen the result window is drawn scaled, out of the frame's children.
          QList<QTabWidget*> all = program_.Frame()->findChildren<QTabWidget*>();
          for (QTabWidget* tabs : program_.Frame()->Display()->findChildren<QTabWidget*>())
            if (!all.contains(tabs)) all << tabs;
          for (QTabWidget* tabs : all)
            for (int index = 0; index < tabs->count(); ++index) pages.emplace_back(tabs, index);
          if (pages.empty()) return;
          const auto& [tabs, index] = PickOf(pages);
          tabs->setCurrentIndex(index);
        });
        break;
      case Act::Language: {
        model_.language = ui::kLanguages[Pick(int(ui::kLanguages.size()))];
        Trigger(qPrintable(ui::LanguageItemName(model_.language)));
        break;
      }
      case Act::Calculation:
        ChooseCalculation();
        break;
      case Act::Open:
        Trigger("mnuOpenDetails");
        break;
      case Act::Save:
        Trigger("mnuSaveDetails");
        break;
      case Act::HandOver:
        Queue([] {});
        HandOver();
        break;
      case Act::Help: {
        constexpr const char* kItems[] = {"mnuOnline", "mnuVisit", "mnuUpdate"};
        Trigger(kItems[Pick(3)]);
        break;
      }
      case Act::About:
        Trigger("mnuAbout");
        break;
      case Act::Print:
        Trigger("mnuPrint");
        break;
      case Act::ExportPdf:
        Trigger("mnuExportPdf");
        break;
      case Act::SaveChart:
        Trigger("mnuSaveChart");
        break;
      case Act::Resize:
        Queue([this] { Window()->resize(300 + Pick(1400), 200 + Pick(1000)); });
        break;
    }
  }

  // Types the start of a city of the atlas and takes the first place the list offers.
  void PickCity() {
    constexpr const char* kCities[] = {"Kathmandu", "Varanasi", "Chennai", "London", "Mumbai"};
    auto* city = program_.Form()->findChild<QLineEdit*>("txtMCity");
    city->clear();
    QTest::keyClicks(city, QString::fromLatin1(kCities[Pick(5)]));
    auto* picker = program_.Form()->findChild<ui::PlacePicker*>();
    QAbstractItemView* list = picker ? picker->Completer()->popup() : nullptr;
    if (list && list->isVisible()) QTest::keyClick(list, Qt::Key_Return);
  }

  // Types another city over the one in the box (a picked one asks whether to keep its
  // place) and asks for the reading.
  void TypeOverCity() {
    auto* city = program_.Form()->findChild<QLineEdit*>("txtMCity");
    city->selectAll();
    QTest::keyClicks(city, kTypedOver);
    if (QWidget* list = QApplication::activePopupWidget()) QTest::keyClick(list, Qt::Key_Escape);
    program_.Form()->findChild<QPushButton*>("cmdRashi")->click();
  }

  // One of the Calculation menu's items a person can reach: the Swiss Ephemeris's own choices
  // only while it is chosen.
  void ChooseCalculation() {
    std::vector<const char*> items{"mnuBuiltin", "mnuSwiss"};
    const auto& c = model_.form.calculation;
    if (c && c->ephemeris == core::EphemerisChoice::Swiss)
      items.insert(items.end(),
                   {"mnuLahiri", "mnuRaman", "mnuKrishnamurti", "mnuTrueChitrapaksha",
                    "mnuMeanNode", "mnuTrueNode", "mnuSunriseLimb", "mnuSunriseCentre"});
    calculationItem_ = PickOf(items);
    Trigger(calculationItem_);
  }

  // The menu's item sets one choice of the calculation; the year stays, or, where the new
  // calculation does not take it, the form asks.
  void ExpectCalculation() {
    const std::string item = calculationItem_;
    std::optional<core::Calculation>& c = model_.form.calculation;
    if (item == "mnuBuiltin") {
      c.reset();
    } else {
      if (item == "mnuLahiri") swissChoice_.ayanamsa = core::Ayanamsa::Lahiri;
      if (item == "mnuRaman") swissChoice_.ayanamsa = core::Ayanamsa::Raman;
      if (item == "mnuKrishnamurti") swissChoice_.ayanamsa = core::Ayanamsa::Krishnamurti;
      if (item == "mnuTrueChitrapaksha") swissChoice_.ayanamsa = core::Ayanamsa::TrueChitrapaksha;
      if (item == "mnuMeanNode") swissChoice_.node = core::Node::Mean;
      if (item == "mnuTrueNode") swissChoice_.node = core::Node::True;
      if (item == "mnuSunriseLimb") swissChoice_.sunrise = core::SunriseRule::LimbRefracted;
      if (item == "mnuSunriseCentre") swissChoice_.sunrise = core::SunriseRule::DiscCentre;
      c = Swiss(swissChoice_.ayanamsa, swissChoice_.node, swissChoice_.sunrise);
    }
    // A question answered may take the other calculation with a year it takes.
    if (questionAnswered_) model_.form = program_.Form()->Entries();
  }

  // A later start hands over one of the files the program wrote, over the real socket, from a
  // thread of its own as a second process would.
  void HandOver() {
    std::vector<QString> paths;
    for (const auto& [path, entries] : model_.files) paths.push_back(path);
    handedPath_ = PickOf(paths);
    const QString lock = ui::LockFileInstanceGuard::DefaultLockPath();
    handOver_ = std::async(std::launch::async, [lock, path = handedPath_] {
      ui::LockFileInstanceGuard second(lock);
      return second.HandOver(path);
    });
  }

  // ---- Dialogs.

  void Answer(QWidget* dialog) {
    // A file handed over while the dialog is up: the dialog stays until the answer is in.
    if (handOverDuringDialog_ && handedPath_.isEmpty() && act_ != Act::HandOver) {
      HandOver();
      return;
    }
    if (handOver_.valid() && handOver_.wait_for(0s) != std::future_status::ready) return;
    answering_ = dialog;
    answerIn_ = false;
    if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
      const QString path = ChooseFile(files->acceptMode() == QFileDialog::AcceptOpen);
      std::fprintf(stderr, "journey: answer \"%s\" with \"%s\"\n", qPrintable(files->windowTitle()),
                   qPrintable(path));
      Deliver(files, [this, files, path] {
        chosenPath_ = path;
        if (path.isEmpty()) {
          files->reject();
          return;
        }
        // Typed into the name box, as a person does, with no file of the list still marked:
        // the dialog takes the marked files first, and marks those typed only where the box
        // has the focus.
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* list = files->findChild<QAbstractItemView*>(QStringLiteral("listView"));
        if (!name || !list) qFatal("the file dialog has no name box or list");
        list->selectionModel()->clearSelection();
        name->setText(path);
        if (files->selectedFiles() != QStringList{path})
          Fail(QStringLiteral("the file dialog takes %1, not the name typed (%2)")
                   .arg(files->selectedFiles().join(QLatin1String(", ")), path));
        static_cast<QDialog*>(files)->accept();
      });
      return;
    }
    if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
      const QList<QAbstractButton*> buttons = box->buttons();
      QPointer<QAbstractButton> button = buttons.value(Pick(static_cast<int>(buttons.size())));
      if (buttons.size() > 1) questionAnswered_ = true;
      std::fprintf(stderr, "journey: answer \"%s\" with \"%s\"\n", qPrintable(box->text()),
                   button ? qPrintable(button->text()) : "");
      Deliver(box, [box, button] {
        if (button)
          button->click();
        else
          box->reject();
      });
      return;
    }
    Deliver(dialog, [dialog] {
      if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
      else
        dialog->close();
    });
  }

  // Gives the answer from the event loop, as a person's click comes. An answer may run a dialog
  // of its own (a file dialog's question whether to replace a file): the dialog answered is
  // left alone until its answer returns.
  void Deliver(QWidget* dialog, std::function<void()> answer) {
    QMetaObject::invokeMethod(
        dialog,
        [this, dialog, answer = std::move(answer)] {
          running_.push_back(dialog);
          const auto in = qScopeGuard([this] {
            running_.pop_back();
            answerIn_ = true;
          });
          answer();
        },
        Qt::QueuedConnection);
  }

  // A file to open from those the program wrote, or a new (or existing) name to save to;
  // now and then none (Cancel).
  QString ChooseFile(bool open) {
    if (Chance(10)) return {};
    std::vector<QString> paths;
    for (const auto& [path, entries] : model_.files) paths.push_back(path);
    if (open || Chance(30)) return PickOf(paths);
    const char* suffix = act_ == Act::ExportPdf   ? ".pdf"
                         : act_ == Act::SaveChart ? ".png"
                                                  : ".opc.json";
    return QDir(folder_).filePath(
        QStringLiteral("saved %1-%2%3").arg(seed_).arg(step_).arg(QLatin1String(suffix)));
  }

  void RejectEverything() {
    for (int round = 0; round < 20; ++round) {
      QWidget* dialog = QApplication::activeModalWidget();
      if (!dialog) return;
      if (auto* d = qobject_cast<QDialog*>(dialog))
        d->reject();
      else
        dialog->close();
      QCoreApplication::processEvents();
    }
  }

  // ---- What each step must leave.

  // The model after the step, from what the person did.
  void Expect() {
    const bool saved = !chosenPath_.isEmpty() && QFileInfo::exists(chosenPath_) &&
                       QFileInfo(chosenPath_).lastModified() >= stepStartWall_;
    switch (act_) {
      case Act::TypeOverCity:
        if (handedPath_.isEmpty() &&
            program_.Form()->Entries().txtMCity != kTypedOver.toStdString())
          Fail(QStringLiteral("the typed city is not kept"));
        [[fallthrough]];
      case Act::Read:
        // A reading refused (or a question cancelled) leaves the form; entries may have been
        // settled by a question (the clock, the place), which the reading itself checks.
        model_.result = program_.Frame() != nullptr;
        model_.form = program_.Form()->Entries();
        break;
      case Act::Back:
        model_.result = false;
        break;
      case Act::PickCity:
        model_.form = program_.Form()->Entries();
        break;
      case Act::Calculation:
        ExpectCalculation();
        break;
      case Act::EnterBirth:
        if (model_.form.calculation) swissChoice_ = model_.form.calculation->swiss;
        break;
      case Act::Open:
        if (!chosenPath_.isEmpty()) Opened(chosenPath_);
        break;
      case Act::Save:
        if (saved) model_.files[chosenPath_] = readingEntries_;
        if (saved && !model_.result) model_.files[chosenPath_] = model_.form;
        break;
      case Act::ExportPdf:
      case Act::SaveChart:
        if (saved) model_.files[chosenPath_] = std::nullopt;
        break;
      default:
        break;
    }
    if (!handedPath_.isEmpty()) {
      const auto answer = handOver_.get();
      handOverAnswer_ = answer;
      const bool dialogUp = act_ != Act::HandOver;
      if (answer != (dialogUp ? ui::HandOverAnswer::Queued : ui::HandOverAnswer::Taken))
        Fail(QStringLiteral("hand-over of %1 answered %2").arg(handedPath_).arg(int(answer)));
      model_.result = false;
      Opened(handedPath_);
    }
  }

  void Opened(const QString& path) {
    const auto it = model_.files.find(path);
    if (it == model_.files.end() || !it->second) return;  // refused: the form stays
    model_.form = *it->second;
    // The menu shows a file's Swiss choices, even where a file handed over behind the dialog
    // fills the form again before the step ends.
    if (model_.form.calculation) swissChoice_ = model_.form.calculation->swiss;
  }

  void Check() {
    Expect();
    if (program_.Frame() && model_.result) readingEntries_ = model_.form;
    // Alive, in the window the person expects.
    const bool frameUp = program_.Frame() && program_.Frame()->isVisible();
    if (frameUp != model_.result)
      Fail(QStringLiteral("the result window is %1").arg(frameUp ? "up" : "not up"));
    if (program_.Form()->isVisible() == model_.result)
      Fail(QStringLiteral("the form is %1").arg(model_.result ? "shown" : "hidden"));
    // The form keeps its entries.
    const core::FormEntries entries = program_.Form()->Entries();
    const QString held = Json(entries), expected = Json(model_.form);
    if (held != expected)
      Fail(QStringLiteral("the form holds %1").arg(Difference(entries, model_.form)));
    model_.form = program_.Form()->Entries();
    // The menu keeps the Swiss Ephemeris's choices of the calculation shown.
    if (model_.form.calculation) swissChoice_ = model_.form.calculation->swiss;
    if (model_.result && program_.Frame()) CheckReading();
    CheckTexts();
  }

  // The result window shows this reading's values only: each label as a result window made
  // afresh for the same entries shows it.
  void CheckReading() {
    core::BirthRecord record;
    core::ResultSheet sheet;
    if (reading::RunReading(readingEntries_, record, sheet)) {
      Fail(QStringLiteral("the entries of the reading shown are refused by a fresh reading"));
      return;
    }
    RecordingLinks links;
    ui::FrmDisplay fresh(links);
    fresh.Render(sheet);
    fresh.ShowClock(program_.Form()->ClockSummary());
    ui::FrmDisplay* shown = program_.Frame()->Display();
    for (const QLabel* label : fresh.findChildren<QLabel*>()) {
      if (label->objectName().isEmpty()) continue;
      const auto* other = shown->findChild<QLabel*>(label->objectName());
      if (other && other->text() != label->text())
        Fail(QStringLiteral("%1 shows \"%2\", a fresh window \"%3\"")
                 .arg(label->objectName(), other->text(), label->text()));
    }
  }

  // No label cut off; no English where another language is chosen.
  void CheckTexts() {
    QList<QWidget*> windows{program_.Form()};
    if (model_.result && program_.Frame())
      windows = {program_.Frame(), program_.Frame()->Display()};
    // What the person typed or picked, now or earlier: the place line names the place the
    // boxes were filled from while another City is typed over it.
    for (const core::FormEntries* e : {&model_.form, &before_.form})
      for (const std::string* text : {&e->txtName, &e->txtMCity, &e->txtMState, &e->txtMCountry})
        if (!text->empty() && !names_.contains(QString::fromStdString(*text)))
          names_ << QString::fromStdString(*text);
    const QStringList& typed = names_;
    for (QWidget* window : windows) {
      const QStringList clipped = ui::testing::ClippedLabels(window);
      if (!clipped.isEmpty() && checkClipped_) Fail("cut off: " + clipped.join("; "));
      if (model_.language == ui::Language::English) continue;
      const QStringList english = ui::testing::VisibleTexts(window, typed);
      if (!english.isEmpty() && checkEnglish_) Fail("English left: " + english.join("; "));
    }
  }

 public:
  bool checkClipped_ = true, checkEnglish_ = true;

 private:
  const unsigned seed_;
  const int steps_;
  const QString folder_;
  const std::vector<Birth>& births_;
  std::mt19937 random_;
  const std::chrono::milliseconds deadline_;
  ui::MessageBoxDialogs dialogs_;
  RecordingLinks links_;
  JourneyFiles files_;
  ui::LockFileInstanceGuard guard_;
  ui::Program program_;
  Model model_, before_;
  core::FormEntries readingEntries_;
  QEventLoop loop_;
  QStringList failures_;
  int step_ = 0, quiet_ = 0;
  Act act_ = Act::Read;
  Clock::time_point stepStart_ = Clock::now();
  QDateTime stepStartWall_;
  const char* calculationItem_ = "";
  // The Swiss Ephemeris's choices the menu holds while the built-in formulas are chosen.
  core::SwissSettings swissChoice_{};
  bool done_ = false, actionReturned_ = true, questionAnswered_ = false, answerIn_ = false;
  bool handOverDuringDialog_ = false;
  QPointer<QWidget> answering_;
  std::vector<QWidget*> running_;  // the dialogs whose answer is running, innermost last
  QString handedPath_, chosenPath_;
  QStringList names_;  // every name, city, state and country the form held
  std::future<ui::HandOverAnswer> handOver_;
  std::optional<ui::HandOverAnswer> handOverAnswer_;
};

}  // namespace

class JourneyTest : public QObject {
  Q_OBJECT

 private slots:
  void everyStepKeepsThePromises() {
    const std::vector<Birth> births = Births();
    const int steps = EnvNumber("OPC_JOURNEY_STEPS", 100);
    const int deadline = EnvNumber("OPC_JOURNEY_STEP_MS", 20000);
    std::vector<unsigned> seeds;
    if (qEnvironmentVariableIsSet("OPC_JOURNEY_SEED"))
      seeds.push_back(static_cast<unsigned>(EnvNumber("OPC_JOURNEY_SEED", 1)));
    else
      for (int s = 0, first = EnvNumber("OPC_JOURNEY_FIRST_SEED", 1);
           s < EnvNumber("OPC_JOURNEY_SEEDS", 3); ++s)
        seeds.push_back(static_cast<unsigned>(first + s));
    QStringList failures;
    for (const unsigned seed : seeds) {
      QTemporaryDir folder;
      Journey journey(seed, steps, folder.path(), births, deadline);
      const QStringList found = journey.Run();
      if (!found.isEmpty())
        failures << QStringLiteral("seed %1 fails; replay with OPC_JOURNEY_SEED=%1").arg(seed)
                 << found;
    }
    QVERIFY2(failures.isEmpty(), qPrintable(failures.join('\n')));
  }
};

int main(int argc, char** argv) {
  // A desktop of the test's own: settings, documents and the single-copy lock in temporary
  // folders, and Qt's own dialogs rather than a desktop theme's.
  QTemporaryDir home, config, runtime;
  qputenv("HOME", QFile::encodeName(home.path()));
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
  qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
  qunsetenv("QT_QPA_PLATFORMTHEME");
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  // No plugin is found from here on: printing finds no print system and writes PDF.
  QTemporaryDir noPlugins;
  QCoreApplication::setLibraryPaths({noPlugins.path()});
  JourneyTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "journey_test.moc"

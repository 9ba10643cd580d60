// Birth-details files through the form's File menu: what is saved opens as it was entered,
// a file the form cannot take changes nothing, and a failed save keeps the previous file.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "core/entries_json.h"
#include "fakes.h"
#include "file_fakes.h"
#include "ui/app/program.h"
#include "ui/form/birth_form.h"
#include "ui/form/place_picker.h"
#include "ui/output/birth_details_file.h"
#include "ui/result/result_frame.h"
#include "ui/result/result_window.h"

using ui::testing::AnsweringFileDialogs;
using ui::testing::RecordingDialogs;
using ui::testing::RecordingLinks;

namespace {

const QString kSample = QStringLiteral(OPC_TEST_DATA_DIR "/day-birth.opc.json");

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& contents) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(contents);
}

}  // namespace

class BirthDetailsTest : public QObject {
  Q_OBJECT

 private:
  template <typename W>
  W* Child(const char* name) {
    W* widget = program->Form()->findChild<W*>(QLatin1String(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  void Trigger(const char* action) { Child<QAction>(action)->trigger(); }
  ui::PlacePicker* Picker() { return Child<ui::PlacePicker>("placePicker"); }
  // What the form shows of the place's clock: the zone list and the status line.
  QStringList Clock() {
    return {Child<QComboBox>("cmbTimeZone")->currentText(),
            Child<QLabel>("lblPlaceStatus")->toolTip()};
  }
  // Every caption of the result window of a reading of the form; back to the form after.
  QStringList Reading() {
    Trigger("mnuNext");
    if (!program->Frame()) return {dialogs.Texts()};
    QStringList captions;
    for (const QLabel* label : program->Frame()->Display()->findChildren<QLabel*>())
      captions << label->text();
    program->Back();
    return captions;
  }
  std::string FormJson() { return core::EntriesToJson(program->Form()->Entries()).dump(); }

  RecordingDialogs dialogs;
  RecordingLinks links;
  AnsweringFileDialogs files;
  QTemporaryDir dir;
  std::unique_ptr<ui::Program> program;

 private slots:
  void init() {
    dialogs.messages.clear();
    files.proposals.clear();
    program = std::make_unique<ui::Program>(dialogs, links, files);
  }
  void cleanup() { program.reset(); }

  void savedDetailsOpenAsTheyWereEntered() {
    Child<QLineEdit>("txtName")->setText("SITA DEVI");
    Child<QComboBox>("cboMonth")->setCurrentIndex(11);
    Child<QComboBox>("cboDate")->setCurrentText("31");
    Child<QComboBox>("cboYear")->setCurrentText("2050");
    Child<QComboBox>("cboHH")->setCurrentText("23");
    Child<QComboBox>("cboMM")->setCurrentText("59");
    Child<QComboBox>("cboSS")->setCurrentText("1");
    Child<QLineEdit>("txtMCity")->setText("São Paulo");
    Child<QLineEdit>("txtMCountry")->setText("Brazil");
    Child<QComboBox>("cmbTimeZone")->setCurrentIndex(-1);
    Child<QCheckBox>("chkDST")->setChecked(true);
    Child<QLineEdit>("txtLonD")->setText("46");
    Child<QLineEdit>("txtLonM")->setText("38");
    Child<QLineEdit>("txtLatD")->setText("23");
    Child<QLineEdit>("txtLatM")->setText("5");
    Child<QRadioButton>("optLong1")->setChecked(true);
    Child<QRadioButton>("optLat1")->setChecked(true);
    const std::string entered = FormJson();

    files.answer = dir.filePath("sita");  // the suffix is added
    Trigger("mnuSaveDetails");
    QVERIFY(files.proposals.value(0).endsWith("/SITA DEVI.opc.json"));
    QVERIFY(QFile::exists(dir.filePath("sita.opc.json")));

    program = std::make_unique<ui::Program>(dialogs, links, files);
    files.answer = dir.filePath("sita.opc.json");
    Trigger("mnuOpenDetails");
    QCOMPARE(dialogs.Texts(), QStringList());
    QCOMPARE(FormJson(), entered);
  }

  void theAtlasPlaceStaysOnlyWithItsPlace() {
    QVERIFY(program->OpenBirthDetails(kSample));
    files.answer = dir.filePath("same.opc.json");
    Trigger("mnuSaveDetails");
    Child<QLineEdit>("txtLatM")->setText("39");
    files.answer = dir.filePath("moved.opc.json");
    Trigger("mnuSaveDetails");

    const auto same =
        core::ParseBirthDetails(Contents(dir.filePath("same.opc.json")).toStdString());
    const auto moved =
        core::ParseBirthDetails(Contents(dir.filePath("moved.opc.json")).toStdString());
    QVERIFY(same.details && moved.details);
    QVERIFY(same.details->place == (core::AtlasPlace{"Asia/Kolkata", 19800}));
    QVERIFY(!moved.details->place);
  }

  void theAtlasClockIsSavedAndCheckedOnOpening() {
    // Delhi picked for 1 June 1943, 12:00, when its clock kept war time (UTC+6:30).
    Child<QComboBox>("cboMonth")->setCurrentIndex(5);
    Child<QComboBox>("cboYear")->setCurrentText("1943");
    Child<QComboBox>("cboHH")->setCurrentText("12");
    auto* picker = program->Form()->findChild<ui::PlacePicker*>("placePicker");
    QVERIFY(picker);
    picker->Pick({"Delhi", "Delhi", "India", "IN", "Asia/Kolkata", 28.65195, 77.23149, 1});
    files.answer = dir.filePath("war.opc.json");
    Trigger("mnuSaveDetails");
    const auto saved = core::ParseBirthDetails(Contents(files.answer).toStdString());
    QVERIFY(saved.details && saved.details->place == (core::AtlasPlace{"Asia/Kolkata", 23400}));
    QCOMPARE(dialogs.Texts(), QStringList());

    // The same file with the offset an older tz release might have given: the form says so.
    std::string text = Contents(files.answer).toStdString();
    text.replace(text.find("23400"), 5, "19800");
    Write(dir.filePath("older.opc.json"), QByteArray::fromStdString(text));
    QVERIFY(program->OpenBirthDetails(dir.filePath("older.opc.json")));
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.Texts().front().contains("UTC+5:30") &&
                 dialogs.Texts().front().contains("gives UTC+6:30"),
             qPrintable(dialogs.Texts().front()));
  }

  // A birth read on a clock no zone row shows (Kathmandu's UTC+5:45) reopens as it was saved,
  // over a place picked since, by each way a file comes in: the zone list's clock entry, the
  // status line, the entries and the reading.
  void anExactOffsetReopensAsSaved_data() {
    QTest::addColumn<int>("way");
    QTest::newRow("Open") << 0;
    QTest::newRow("command line") << 1;
    QTest::newRow("hand-over") << 2;
  }
  void anExactOffsetReopensAsSaved() {
    QFETCH(int, way);
    Child<QLineEdit>("txtName")->setText("ASHA RANI");
    Child<QComboBox>("cboMonth")->setCurrentIndex(4);
    Child<QComboBox>("cboYear")->setCurrentText("1990");
    Child<QComboBox>("cboHH")->setCurrentText("6");
    Picker()->Pick(
        {"Kathmandu", "Bagmati Province", "Nepal", "NP", "Asia/Kathmandu", 27.70169, 85.3206, 1});
    QCOMPARE(program->Form()->Entries().utcOffsetSeconds, std::optional(20700));
    const QStringList clock = Clock();
    const std::string entered = FormJson();
    const QStringList reading = Reading();
    QVERIFY2(reading.size() > 1, qPrintable(reading.join('|')));  // a chart, not a refusal
    const QString path = dir.filePath("kathmandu.opc.json");
    files.answer = path;
    Trigger("mnuSaveDetails");

    program = std::make_unique<ui::Program>(dialogs, links, files);
    Picker()->Pick({"Delhi", "Delhi", "India", "IN", "Asia/Kolkata", 28.65195, 77.23149, 1});
    if (way == 0) Trigger("mnuOpenDetails");
    if (way == 1) QVERIFY(program->OpenBirthDetails(path));
    if (way == 2) program->OpenHandedOver(path);
    QVERIFY2(dialogs.Texts().isEmpty(), qPrintable(dialogs.Texts().join('|')));
    QCOMPARE(Clock(), clock);
    QCOMPARE(FormJson(), entered);
    QCOMPARE(Reading(), reading);
    QCOMPARE(dialogs.questions.size(), 0);
  }

  void aFileTheFormCannotTakeChangesNothing_data() {
    QTest::addColumn<QByteArray>("contents");  // empty: the path is a folder or missing
    QTest::addColumn<QString>("reason");
    const QByteArray head = R"({"format": "orvel-pataki-chakra/birth-details", "version": 1, )";
    QTest::newRow("no such file") << QByteArray() << "cannot be read";
    QTest::newRow("a folder") << QByteArray("/") << "folder";
    QTest::newRow("not JSON") << QByteArray("Name: ASHA") << "not JSON";
    QTest::newRow("another format")
        << QByteArray(R"({"format": "notes", "version": 1, "entries": {}})")
        << "not a birth-details file";
    QTest::newRow("newer version")
        << QByteArray(R"({"format": "orvel-pataki-chakra/birth-details", "version": 3,
                         "entries": {}})")
        << "newer version";
    QTest::newRow("no such month") << head + R"("entries": {"cboMonth": "Smarch"}})"
                                   << "\"cboMonth\" must be a month";
    QTest::newRow("zone row out of range") << head + R"("entries": {"cmbTimeZone": 71}})"
                                           << "\"cmbTimeZone\"";
    QTest::newRow("digit in the name")
        << head + R"("entries": {"txtName": "R2D2"}})"
        << "Name box cannot take \"R2D2\": Please Enter only Letters";
    QTest::newRow("longer than the box") << head + R"("entries": {"txtLonD": "1234"}})"
                                         << "holds at most 3 characters";
    QTest::newRow("letter in the minutes") << head + R"("entries": {"txtLatM": "3a"}})"
                                           << "Only Numbers Are Accepted";
    QTest::newRow("line break in the city") << head + R"("entries": {"txtMCity": "New\nDelhi"}})"
                                            << "City box";
  }
  void aFileTheFormCannotTakeChangesNothing() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    QVERIFY(program->OpenBirthDetails(kSample));
    const std::string before = FormJson();

    QString path = dir.filePath(QString(QTest::currentDataTag()) + ".opc.json");
    if (contents == "/")
      QVERIFY(QDir(dir.path()).mkpath(path));
    else if (!contents.isEmpty())
      Write(path, contents);
    files.answer = path;
    Trigger("mnuOpenDetails");

    QCOMPARE(dialogs.messages.size(), 1);
    const QString message = dialogs.messages[0].text;
    QVERIFY2(message.contains(QFileInfo(path).fileName()), qPrintable(message));
    QVERIFY2(message.contains(reason), qPrintable(message));
    QCOMPARE(dialogs.messages[0].icon, reading::MessageIcon::Error);
    QCOMPARE(FormJson(), before);
  }

  // A write cut short by the file-size limit (which binds root as well) leaves the previous
  // file whole and no temporary file beside it.
  void aFailedSaveKeepsThePreviousFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath("kept.opc.json");
    core::BirthDetails previous;
    previous.entries.txtName = "ASHA RANI";
    QVERIFY(!ui::WriteBirthDetailsFile(path, previous));
    const QByteArray kept = Contents(path);

    const pid_t child = fork();
    if (child == 0) {
      signal(SIGXFSZ, SIG_IGN);
      const rlimit limit{64, 64};
      setrlimit(RLIMIT_FSIZE, &limit);
      core::BirthDetails longer;
      longer.entries.txtName = std::string(500, 'A');
      _exit(ui::WriteBirthDetailsFile(path, longer) ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);  // the child's write did fail
    QCOMPARE(Contents(path), kept);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{"kept.opc.json"});
  }
};

QTEST_MAIN(BirthDetailsTest)
#include "birth_details_test.moc"

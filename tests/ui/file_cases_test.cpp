// One table of birth-details files, each run through every way in: the window's Open (and its
// reading button), --pdf and --png without a window, and reading-dump for the entries where
// the dump judges them (it never applied the keystroke rules). Each way must refuse with the
// same reason, or accept, alike.

#include <sys/stat.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "fakes.h"
#include "file_fakes.h"
#include "ui/app/program.h"
#include "ui/form/birth_form.h"

namespace {

const QByteArray kHead = R"({"format": "orvel-pataki-chakra/birth-details", "version": 1, )";
const QByteArray kPlace =
    R"("txtMCity": "New Delhi", "txtLonD": "77", "txtLonM": "13", "txtLatD": "28",
       "txtLatM": "38")";

struct Run {
  int exitCode = -1;
  QString out, err;
};

Run Execute(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    environment.remove(QLatin1String(name));
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(30000)) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

// The entries of a file as one reading-dump line.
QByteArray DumpLine(const QByteArray& contents) {
  return QJsonDocument(QJsonDocument::fromJson(contents)["entries"].toObject())
             .toJson(QJsonDocument::Compact) +
         "\n";
}

}  // namespace

class FileCasesTest : public QObject {
  Q_OBJECT

  ui::testing::RecordingDialogs dialogs;
  ui::testing::RecordingLinks links;
  ui::testing::AnsweringFileDialogs files;
  QTemporaryDir dir;

  // What the window does with the file: the Open's refusal, or the reading button's; empty
  // when the reading is shown.
  QString OpenAndRead(const QString& path) {
    dialogs.messages.clear();
    ui::Program program(dialogs, links, files);
    program.Start();
    if (program.OpenBirthDetails(path)) {
      program.Form()->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
      if (!program.Form()->isVisible()) return {};
    }
    return dialogs.messages.isEmpty() ? QStringLiteral("(no message)") : dialogs.Texts().front();
  }

 private slots:
  void eachWayInRefusesOrAcceptsAlike_data() {
    QTest::addColumn<QByteArray>("contents");  // "fifo": a named pipe
    QTest::addColumn<QString>("reason");       // empty: accepted
    QTest::addColumn<bool>("dumpJudges");      // reading-dump reads the same entries
    QTest::newRow("a good file")
        << kHead + R"("entries": {"txtName": "ASHA RANI", "cmbTimeZone": 34, )" + kPlace + "}}"
        << QString() << true;
    QTest::newRow("no zone selected")
        << kHead + R"("entries": {"txtName": "ASHA RANI", "cmbTimeZone": -1, )" + kPlace + "}}"
        << "Please Select Time Zone" << true;
    QTest::newRow("a name with a digit")
        << kHead + R"("entries": {"txtName": "asha 2", "cmbTimeZone": 34, )" + kPlace + "}}"
        << "Please Enter only Letters" << false;
    QTest::newRow("a zone the tz database does not list")
        << kHead + R"("entries": {"txtName": "ASHA", "cmbTimeZone": 34, )" + kPlace +
               R"(}, "place": {"zone": "../../../dev/zero", "offsetSeconds": 19800}})"
        << "zone cannot be used" << false;
    QTest::newRow("a named pipe") << QByteArray("fifo") << "not a regular file" << false;
  }
  void eachWayInRefusesOrAcceptsAlike() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, reason);
    QFETCH(bool, dumpJudges);
    const QString path = dir.filePath(QString(QTest::currentDataTag()) + ".opc.json");
    if (contents == "fifo") {
      QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else {
      QFile file(path);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    const auto judged = [&](const QString& way, const QString& message) {
      if (reason.isEmpty())
        QVERIFY2(message.isEmpty(), qPrintable(way + ": " + message));
      else
        QVERIFY2(message.contains(reason), qPrintable(way + ": " + message));
    };

    judged("Open", OpenAndRead(path));
    for (const char* option : {"--pdf", "--png"}) {
      const QString output = dir.filePath("out");
      QFile::remove(output);
      const Run run = Execute(QStringLiteral(OPC_PROGRAM), {option, output, path});
      QVERIFY2(run.exitCode >= 0, "the export did not finish");
      judged(option, run.exitCode == 0 ? QString() : run.err);
      if (!reason.isEmpty()) QVERIFY2(run.err.contains(QFileInfo(path).fileName()), option);
      QCOMPARE(QFile::exists(output), reason.isEmpty());
    }
    if (dumpJudges) {
      const Run dump = Execute(QStringLiteral(OPC_DUMP), {}, DumpLine(contents));
      const QJsonObject line = QJsonDocument::fromJson(dump.out.toUtf8()).object();
      judged("reading-dump",
             line["accepted"].toBool() ? QString() : line["refusal"]["message"].toString());
    }
  }
};

QTEST_MAIN(FileCasesTest)
#include "file_cases_test.moc"

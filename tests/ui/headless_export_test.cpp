// The program run without a window on a saved birth-details file: the PDF it writes is read
// back with poppler's tools, and files it cannot use are refused without writing anything,
// as the window's Open refuses them.

#include <sys/stat.h>

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes.h"
#include "file_fakes.h"
#include "ui/app/program.h"
#include "ui/form/birth_form.h"

namespace {

const QString kData = QStringLiteral(OPC_TEST_DATA_DIR);

struct Run {
  int exitCode = -1;
  QString out, err;
};

// Runs a program with neither a display nor a platform named in its environment.
Run Execute(const QString& program, const QStringList& arguments, const QByteArray& input = {}) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    environment.remove(QLatin1String(name));
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  process.write(input);
  process.closeWriteChannel();
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
    process.kill();
    process.waitForFinished();
    return {};
  }
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
          QString::fromUtf8(process.readAllStandardError())};
}

Run Export(const QStringList& arguments) {
  return Execute(QStringLiteral(OPC_PROGRAM), arguments);
}

QJsonObject GoldenCaptions() {
  QFile file(kData + "/golden/day-birth.json");
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QJsonDocument::fromJson(file.readAll())["output"]["window"]["captions"].toObject();
}

// The reading's first lines, as the result window shows them.
QStringList ReadingLines() {
  QFile file(kData + "/golden/day-birth.json");
  if (!file.open(QIODevice::ReadOnly)) return {};
  QString text;
  for (const QJsonValue run :
       QJsonDocument::fromJson(file.readAll())["output"]["window"]["RTB"].toArray())
    text += run["text"].toString();
  return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

const QByteArray kHead = R"({"format": "orvel-pataki-chakra/birth-details", "version": 1, )";
const QByteArray kDelhi = R"("txtMCity": "New Delhi", "txtLonD": "77", "txtLonM": "13",
                             "txtLatD": "28", "txtLatM": "38")";

// The entries of a file as one reading-dump line.
QByteArray DumpLine(const QByteArray& contents) {
  const QJsonObject entries = QJsonDocument::fromJson(contents)["entries"].toObject();
  return QJsonDocument(entries).toJson(QJsonDocument::Compact) + "\n";
}

}  // namespace

class HeadlessExportTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  ui::testing::RecordingDialogs dialogs;
  ui::testing::RecordingLinks links;
  ui::testing::AnsweringFileDialogs files;

  // What the window makes of the file: Open's refusal or the reading button's; empty when the
  // reading is shown.
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
  void thePdfHoldsTheReadingAsText() {
    const QString pdf = dir.filePath("reading.pdf");
    const Run run = Export({"--pdf", pdf, kData + "/day-birth.opc.json"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));

    const Run info = Execute("pdfinfo", {pdf});
    QVERIFY2(info.exitCode == 0, "pdfinfo (poppler-utils) must be installed");
    const auto pages = QRegularExpression("Pages:\\s+(\\d+)").match(info.out);
    QVERIFY2(pages.hasMatch(), qPrintable(info.out));
    QVERIFY2(pages.captured(1) == "1" || pages.captured(1) == "2", qPrintable(info.out));

    const Run text = Execute("pdftotext", {"-layout", pdf, "-"});
    QCOMPARE(text.exitCode, 0);
    const QJsonObject captions = GoldenCaptions();
    const QStringList reading = ReadingLines();
    QVERIFY(!captions.isEmpty() && reading.size() >= 2);
    const QStringList wanted = {captions["lblName"].toString(),
                                "Lagna\\s+" + captions["lblLagna"].toString(),
                                "Dandadhipati\\s+" + captions["lblDandadhipati"].toString(),
                                QRegularExpression::escape(reading[0]),
                                QRegularExpression::escape(reading[1]),
                                "Page 1 of " + pages.captured(1)};
    for (const QString& pattern : wanted)
      QVERIFY2(text.out.contains(QRegularExpression(pattern)),
               qPrintable(pattern + " not in:\n" + text.out));

    // Black on white: the page is white at its corners and mostly white overall.
    const Run picture = Execute("pdftoppm", {"-r", "20", "-gray", "-png", "-f", "1", "-l", "1",
                                             "-singlefile", pdf, dir.filePath("page")});
    QCOMPARE(picture.exitCode, 0);
    const QImage page(dir.filePath("page.png"));
    QVERIFY(!page.isNull());
    qint64 lightness = 0;
    for (int y = 0; y < page.height(); ++y)
      for (int x = 0; x < page.width(); ++x) lightness += qGray(page.pixel(x, y));
    QCOMPARE(qGray(page.pixel(0, 0)), 255);
    QVERIFY(lightness / (page.width() * page.height()) > 220);
  }

  // With no display, whatever platform the command line names.
  void theChartPictureIsWritten() {
    const QString png = dir.filePath("chart.png");
    const Run run = Export({"-platform", "xcb", "--png", png, kData + "/day-birth.opc.json"});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const QImage image(png, "PNG");
    QVERIFY(!image.isNull());
    QCOMPARE(image.pixel(0, 0), qRgb(255, 255, 255));
  }

  // A version 2 file's exact offset (Nepal, +5:45) is the clock of the page: sunrise on the
  // place's own clock (05:26; on Greenwich's it would be 23:41 the day before).
  void anExactOffsetIsTheClockOfThePage() {
    const QString input = dir.filePath("kathmandu.opc.json");
    QFile file(input);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"format": "orvel-pataki-chakra/birth-details", "version": 2,
      "entries": {"txtName": "A", "cboMonth": "May", "cboDate": "1", "cboYear": "1990",
                  "cboHH": "6", "txtMCity": "Kathmandu", "cmbTimeZone": -1,
                  "utcOffsetSeconds": 20700, "txtLonD": "85", "txtLonM": "19",
                  "txtLatD": "27", "txtLatM": "42"},
      "place": {"zone": "Asia/Kathmandu", "offsetSeconds": 20700}})");
    file.close();
    const QString pdf = dir.filePath("kathmandu.pdf");
    const Run run = Export({"--pdf", pdf, input});
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    const Run text = Execute("pdftotext", {"-layout", pdf, "-"});
    for (const QString& pattern :
         {QStringLiteral("UTC\\+05:45 used"), QStringLiteral("Sunrise\\s+1 May 1990 05:26:00")})
      QVERIFY2(text.out.contains(QRegularExpression(pattern)),
               qPrintable(pattern + "\n" + text.out));
  }

  void aFileItCannotUseWritesNothing_data() {
    QTest::addColumn<QByteArray>("contents");  // empty: no such file
    QTest::addColumn<QString>("message");
    QTest::newRow("no such file") << QByteArray() << "cannot be read";
    QTest::newRow("not JSON") << QByteArray("{") << "not JSON";
    QTest::newRow("refused by the input check")
        << QByteArray(R"({"format": "orvel-pataki-chakra/birth-details", "version": 1,
                         "entries": {"txtName": "A", "txtLonD": "200", "txtLonM": "0",
                                     "txtLatD": "10", "txtLatM": "0"}})")
        << "Please Enter Value Between 0 And 179 in the Degree of Longitude";
    // 02:30 did not exist in New York that day; the file's row alone would read it as EST.
    QTest::newRow("a time the clocks skipped")
        << QByteArray(R"({"format": "orvel-pataki-chakra/birth-details", "version": 1,
                         "entries": {"txtName": "A", "cboMonth": "April", "cboDate": "26",
                                     "cboYear": "1970", "cboHH": "2", "cboMM": "30",
                                     "txtMCity": "New York", "cmbTimeZone": 27,
                                     "txtLonD": "74", "txtLonM": "0", "optLong": "West",
                                     "txtLatD": "40", "txtLatM": "43"},
                         "place": {"zone": "America/New_York", "offsetSeconds": -18000}})")
        << "clocks went from 02:00 to 03:00; most likely it means 03:30";
    QTest::newRow("a device that never ends") << QByteArray("/dev/zero") << "not a regular file";
    QTest::newRow("a name with ESC, CR and BEL")
        << kHead + "\"entries\": {\"txtName\": \"A\\u001b[2JB\\rC\\u0007D\"}}"
        << "cannot take \"A\\e[2JB\\rC\\aD\"";
  }
  void aFileItCannotUseWritesNothing() {
    QFETCH(QByteArray, contents);
    QFETCH(QString, message);
    QString input = dir.filePath(QString(QTest::currentDataTag()) + ".opc.json");
    if (contents.startsWith("/dev/")) {
      input = QString::fromLatin1(contents);
    } else if (!contents.isEmpty()) {
      QFile file(input);
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write(contents);
    }
    for (const char* option : {"--pdf", "--png"}) {
      const QString output = dir.filePath("refused.out");
      const Run run = Export({option, output, input});
      QVERIFY(run.exitCode > 0);
      QVERIFY2(run.err.contains(QFileInfo(input).fileName()) && run.err.contains(message),
               qPrintable(run.err));
      QVERIFY(!QFile::exists(output));
    }
  }
  // One table of files, each through every way in: the window's Open (and its reading button),
  // --pdf, --png, and reading-dump where it judges the same entries (it never applied the
  // keystroke rules). Each refuses with the same reason, or accepts, alike.
  void eachWayInRefusesOrAcceptsAlike_data() {
    QTest::addColumn<QByteArray>("contents");  // "fifo": a named pipe
    QTest::addColumn<QString>("reason");       // empty: accepted
    QTest::addColumn<bool>("dumpJudges");
    QTest::newRow("a good file")
        << kHead + R"("entries": {"txtName": "ASHA RANI", "cmbTimeZone": 34, )" + kDelhi + "}}"
        << QString() << true;
    QTest::newRow("no zone selected")
        << kHead + R"("entries": {"txtName": "ASHA RANI", "cmbTimeZone": -1, )" + kDelhi + "}}"
        << "Please Select Time Zone" << true;
    QTest::newRow("a name with a digit")
        << kHead + R"("entries": {"txtName": "asha 2", "cmbTimeZone": 34, )" + kDelhi + "}}"
        << "Please Enter only Letters" << false;
    QTest::newRow("a zone the tz database does not list")
        << kHead + R"("entries": {"txtName": "ASHA", "cmbTimeZone": 34, )" + kDelhi +
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
      QVERIFY2(reason.isEmpty() ? message.isEmpty() : message.contains(reason),
               qPrintable(way + ": " + message));
    };
    judged("Open", OpenAndRead(path));
    for (const char* option : {"--pdf", "--png"}) {
      const QString output = dir.filePath("out");
      QFile::remove(output);
      const Run run = Export({option, output, path});
      QVERIFY2(run.exitCode >= 0, "the export did not finish");
      judged(option, run.exitCode == 0 ? QString() : run.err);
      QVERIFY(reason.isEmpty() || run.err.contains(QFileInfo(path).fileName()));
      QCOMPARE(QFile::exists(output), reason.isEmpty());
    }
    if (dumpJudges) {
      const QJsonObject line =
          QJsonDocument::fromJson(
              Execute(QStringLiteral(OPC_DUMP), {}, DumpLine(contents)).out.toUtf8())
              .object();
      judged("reading-dump",
             line["accepted"].toBool() ? QString() : line["refusal"]["message"].toString());
    }
  }
};

QTEST_MAIN(HeadlessExportTest)
#include "headless_export_test.moc"

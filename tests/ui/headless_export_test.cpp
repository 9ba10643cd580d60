// The program run without a window on a saved birth-details file: the PDF it writes is read
// back with poppler's tools, and files it cannot use are refused without writing anything.

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

namespace {

const QString kData = QStringLiteral(OPC_TEST_DATA_DIR);

struct Run {
  int exitCode = -1;
  QString out, err;
};

// Runs a program with neither a display nor a platform named in its environment.
Run Execute(const QString& program, const QStringList& arguments) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    environment.remove(QLatin1String(name));
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
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

}  // namespace

class HeadlessExportTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;

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

  void theChartPictureIsWritten() {
    const QString png = dir.filePath("chart.png");
    const Run run = Export({"--png", png, kData + "/day-birth.opc.json"});
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
};

QTEST_GUILESS_MAIN(HeadlessExportTest)
#include "headless_export_test.moc"

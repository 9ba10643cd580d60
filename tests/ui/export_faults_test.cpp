// The program run without a window on what could spoil a file or never end: outputs it may
// not replace, the longest texts the boxes hold, the file-size limit.

#include <sys/stat.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <cerrno>
#include <cstring>

namespace {

const QString kData = QStringLiteral(OPC_TEST_DATA_DIR);
const QString kProgram = QStringLiteral(OPC_PROGRAM);

struct Run {
  int exitCode = -1;
  QString err;
};

// Runs `command` through the shell (for its limits), with no display in the environment.
Run Shell(const QString& command) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
    environment.remove(QLatin1String(name));
  process.setProcessEnvironment(environment);
  process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
  if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) return {};
  return {process.exitCode(), QString::fromUtf8(process.readAllStandardError())};
}

QString Quoted(const QString& text) {
  return "'" + QString(text).replace("'", "'\\''") + "'";
}

Run Export(const QString& option, const QString& output, const QString& input) {
  return Shell(QStringLiteral("exec %1 %2 %3 %4")
                   .arg(Quoted(kProgram), option, Quoted(output), Quoted(input)));
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class ExportFaultsTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir;
  QString input;

 private slots:
  void init() {
    input = dir.filePath("birth.opc.json");
    QFile::remove(input);
    QVERIFY(QFile::copy(kData + "/day-birth.opc.json", input));
  }

  void anOutputItMayNotReplaceIsRefused_data() {
    QTest::addColumn<QString>("output");  // "@": the input itself
    QTest::addColumn<QString>("why");
    const QString itself = "it is the file being read.", other = "it is not a regular file.";
    QTest::newRow("the input") << "@" << itself;
    QTest::newRow("the input by another path") << "@/./" << itself;
    QTest::newRow("the input by a hard link") << "hard link" << itself;
    QTest::newRow("a FIFO") << "fifo" << other;
  }
  void anOutputItMayNotReplaceIsRefused() {
    QFETCH(QString, output);
    QFETCH(QString, why);
    const QByteArray before = Contents(input);
    if (output == "@") output = input;
    if (output == "@/./") output = dir.path() + "/./birth.opc.json";
    if (output == "hard link") {
      output = dir.filePath("linked.pdf");
      QFile::remove(output);
      QCOMPARE(::link(QFile::encodeName(input).constData(), QFile::encodeName(output).constData()),
               0);
    }
    if (output == "fifo") {
      output = dir.filePath("fifo");
      QFile::remove(output);
      QCOMPARE(::mkfifo(QFile::encodeName(output).constData(), 0600), 0);
    }
    for (const char* option : {"--pdf", "--png"}) {
      const Run run = Export(option, output, input);
      QCOMPARE(run.exitCode, 1);
      QVERIFY2(run.err.contains(why), qPrintable(run.err));
    }
    QCOMPARE(Contents(input), before);
    struct stat info {};
    if (output.endsWith("fifo"))
      QVERIFY(::stat(QFile::encodeName(output).constData(), &info) == 0 && S_ISFIFO(info.st_mode));
  }

  void theLongestTextsTheBoxesHoldAreWrittenWholeAndSoon() {
    QFile file(input);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QJsonObject details = QJsonDocument::fromJson(file.readAll()).object();
    file.close();
    QJsonObject entries = details["entries"].toObject();
    // A line box takes 32,767 characters; one unbroken word each.
    for (const auto& [key, letter] :
         {std::pair{"txtName", 'A'}, {"txtMCity", 'B'}, {"txtMState", 'C'}, {"txtMCountry", 'D'}})
      entries[key] = QString(32767, QLatin1Char(letter));
    details["entries"] = entries;
    const QString longest = dir.filePath("longest.opc.json");
    QFile out(longest);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(QJsonDocument(details).toJson());
    out.close();

    const QString pdf = dir.filePath("longest.pdf");
    QElapsedTimer clock;
    clock.start();
    const Run run = Export("--pdf", pdf, longest);
    // Under a second on its own; the bound leaves room for a busy machine (it took minutes
    // when a long word was cut a letter at a time).
    QVERIFY2(clock.elapsed() < 15000, qPrintable(QString::number(clock.elapsed())));
    QVERIFY2(run.exitCode == 0, qPrintable(run.err));
    QProcess text;
    text.start("pdftotext", {pdf, "-"});
    QVERIFY(text.waitForFinished(60000));
    const QByteArray words = text.readAllStandardOutput();
    // Nothing is cut off at the bottom of a page.
    for (const char letter : {'B', 'C', 'D'})
      QVERIFY2(words.count(letter) >= 32767, QByteArray(1, letter).constData());
  }

  void aWriteOverTheFileSizeLimitSaysSo() {
    const QString png = dir.filePath("limited.png");
    const Run run = Shell(QStringLiteral("ulimit -f 8; exec %1 --png %2 %3")
                              .arg(Quoted(kProgram), Quoted(png), Quoted(input)));
    QCOMPARE(run.exitCode, 1);
    QVERIFY2(run.err.contains(QString::fromLocal8Bit(std::strerror(EFBIG))), qPrintable(run.err));
    QVERIFY(!QFile::exists(png));
  }
};

QTEST_GUILESS_MAIN(ExportFaultsTest)
#include "export_faults_test.moc"

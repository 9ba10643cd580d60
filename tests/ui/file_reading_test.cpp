// Files the program reads and keeps, whatever stands in their place: a birth-details file and
// the settings. Nothing waits on a pipe or a lock, each refusal is said once, and the settings
// file is read and written as Qt's settings class wrote and reads it, which earlier versions
// used.

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <atomic>
#include <cstdio>
#include <functional>
#include <thread>

#include "ui/common/ini_settings.h"
#include "ui/common/language.h"
#include "ui/common/settings_file.h"
#include "ui/form/calculation_preference.h"
#include "ui/output/birth_details_file.h"

namespace {

struct Outcome {
  bool finished = false;  // within the time given, and without a failed check
  QByteArray errors;      // what it wrote on standard error
};

// Runs `body` in a child process that is ended after `seconds`: a call that waits forever
// fails the test instead of hanging it. `body` returns whether its checks held.
Outcome RunWithin(int seconds, const std::function<bool()>& body) {
  QTemporaryFile errors;
  if (!errors.open()) return {};
  std::fflush(stderr);
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(errors.handle(), STDERR_FILENO);
    ::alarm(static_cast<unsigned>(seconds));
    const bool held = body();
    std::fflush(stderr);
    ::_exit(held ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  errors.seek(0);
  return {WIFEXITED(status) && WEXITSTATUS(status) == 0, errors.readAll()};
}

void Write(const QString& path, const QByteArray& contents) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(contents);
}

QByteArray Contents(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

core::Calculation Swiss(core::Ayanamsa ayanamsa, core::Node node) {
  core::Calculation c;
  c.ephemeris = core::EphemerisChoice::Swiss;
  c.swiss.ayanamsa = ayanamsa;
  c.swiss.node = node;
  return c;
}

// Settings an earlier version may have kept, beside keys it never wrote, with names and values
// that take the settings class's escapes.
void WriteWithSettingsClass(const QString& path) {
  QSettings settings(path, QSettings::IniFormat);
  settings.setValue("language", "hi");
  settings.setValue("calculation/ephemeris", "swiss");
  settings.setValue("calculation/ayanamsa", "raman");
  settings.setValue("calculation/node", "true");
  settings.setValue("other/key with space", "a;b");
  settings.setValue("other/ünï", "välue, x");
  settings.setValue("other/quoted", "say \"hi\"\\ \n\tend ");
  settings.setValue("other/at", "@start");
  settings.setValue("other/deep/er", "deep");
  settings.setValue("General/x", "not the top level");
  settings.setValue("other/devanagari", QStringLiteral("हिन्दी"));
}

// Every text value the settings class reads from `path`, as this program reads it.
void ReadsAsTheSettingsClass(const QString& path) {
  const ui::IniSettings ours = ui::IniSettings::Parse(Contents(path));
  const QSettings theirs(path, QSettings::IniFormat);
  QVERIFY(!theirs.allKeys().isEmpty());
  for (const QString& name : theirs.allKeys()) {
    // A list is no setting of this program's; nor is a group named General itself
    // ([%General]), which is not the top level.
    if (theirs.value(name).typeId() != QMetaType::QString || name.startsWith("General/")) continue;
    const qsizetype slash = name.indexOf('/');
    const QString group = slash < 0 ? ui::IniSettings::kGeneral : name.left(slash);
    const QString key = name.mid(slash + 1);
    const QString expected = theirs.value(name).toString();
    QVERIFY2(
        ours.Value(group, key) == expected,
        qPrintable(name + ": " + ours.Value(group, key).value_or("(none)") + " for " + expected));
  }
}

}  // namespace

class FileReadingTest : public QObject {
  Q_OBJECT

  QTemporaryDir config;
  QString settingsPath;

 private slots:
  void initTestCase() {
    // A configuration folder of this suite's own: the settings file is made odd here.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));
    settingsPath = ui::PreferenceFilePath();
    QVERIFY(settingsPath.startsWith(config.path()));
    QVERIFY(QDir().mkpath(QFileInfo(settingsPath).path()));
  }
  void init() {
    QFile::remove(settingsPath);
    QDir(settingsPath).removeRecursively();
    QDir(settingsPath + ".lock").removeRecursively();
    QFile::remove(settingsPath + ".lock");
    QFile::remove(config.filePath("pipe"));
  }

  // A named pipe renamed over a regular file between a look at the path and its opening:
  // the reader neither waits for a writer nor reads the pipe.
  void aPipeSwappedInIsNeverWaitedOn() {
    QTemporaryDir dir;
    const QString path = dir.filePath("birth.opc.json");
    const QByteArray regular = QFile::encodeName(dir.filePath("regular"));
    const QByteArray pipe = QFile::encodeName(dir.filePath("pipe"));
    const QByteArray target = QFile::encodeName(path);
    QVERIFY(QFile::copy(QStringLiteral(OPC_TEST_DATA_DIR "/day-birth.opc.json"), path));
    const Outcome outcome = RunWithin(20, [&] {
      std::atomic<bool> done = false;
      std::thread swapper([&] {
        // Each round puts the pipe in place, then the file again.
        while (!done) {
          if (::mkfifo(pipe.constData(), 0600) != 0 ||
              ::rename(target.constData(), regular.constData()) != 0 ||
              ::rename(pipe.constData(), target.constData()) != 0 ||
              ::rename(target.constData(), pipe.constData()) != 0 ||
              ::unlink(pipe.constData()) != 0 ||
              ::rename(regular.constData(), target.constData()) != 0)
            std::abort();
        }
      });
      int refused = 0, read = 0;
      QElapsedTimer clock;
      clock.start();
      while (clock.elapsed() < 2000) {
        const ui::OpenedBirthDetails opened = ui::ReadBirthDetailsFile(path);
        if (opened.details)
          ++read;
        else if (opened.error.contains("not a regular file") ||
                 opened.error.contains("No such file"))
          ++refused;
        else
          return false;
      }
      done = true;
      swapper.join();
      std::fprintf(stderr, "%d read, %d refused\n", read, refused);
      return read > 0;
    });
    QVERIFY2(outcome.finished, "a read waited on the pipe, or gave an unexpected answer");
  }

  // A file another version kept, and files edited by hand: read as the settings class reads
  // them.
  void settingsAreReadAsTheSettingsClassReadsThem_data() {
    QTest::addColumn<QByteArray>("text");  // empty: written by the settings class
    QTest::newRow("written by the settings class") << QByteArray();
    QTest::newRow("byte-order mark, CRLF, blanks around '='") << QByteArray(
        "\xEF\xBB\xBF[General]\r\nlanguage = ta \r\n[calculation]\r\n ephemeris= "
        "swiss\r\n");
    QTest::newRow("comments, a key and a group given twice") << QByteArray(
        "; kept by hand\nlanguage=ta\n[calculation]\nnode=mean ; the default\n"
        "[General]\nlanguage=hi\n[calculation]\nnode=true\n#note=1\n");
    QTest::newRow("escaped names, quoted and escaped values") << QByteArray(
        "[calc%75lation]\nephemer%69s=\"sw\\x69ss\"\n%U0939=\"a;b\"\nat=@@x\n"
        "list=a, b\n");
  }
  void settingsAreReadAsTheSettingsClassReadsThem() {
    QFETCH(QByteArray, text);
    if (text.isEmpty())
      WriteWithSettingsClass(settingsPath);
    else
      Write(settingsPath, text);
    ReadsAsTheSettingsClass(settingsPath);
  }

  // What this version writes over an earlier version's file: the earlier version reads the
  // new choices and every key it kept itself.
  void writtenSettingsKeepWhatTheyHeld() {
    WriteWithSettingsClass(settingsPath);
    QSettings before(settingsPath, QSettings::IniFormat);
    QCOMPARE(ui::LoadLanguagePreference(), std::optional(ui::Language::Hindi));
    QCOMPARE(ui::LoadCalculationPreference(),
             std::optional(Swiss(core::Ayanamsa::Raman, core::Node::True)));

    ui::SaveLanguagePreference(ui::Language::Tamil);
    ui::SaveCalculationPreference(Swiss(core::Ayanamsa::Krishnamurti, core::Node::Mean));
    QCOMPARE(ui::LoadLanguagePreference(), std::optional(ui::Language::Tamil));
    QCOMPARE(ui::LoadCalculationPreference(),
             std::optional(Swiss(core::Ayanamsa::Krishnamurti, core::Node::Mean)));
    QSettings after(settingsPath, QSettings::IniFormat);
    QCOMPARE(after.status(), QSettings::NoError);
    QCOMPARE(after.value("language").toString(), QStringLiteral("ta"));
    QCOMPARE(after.value("calculation/ayanamsa").toString(), QStringLiteral("krishnamurti"));
    QCOMPARE(after.value("calculation/node").toString(), QStringLiteral("mean"));
    for (const QString& key : before.allKeys())
      if (!key.startsWith("calculation/") && key != "language")
        QCOMPARE(after.value(key), before.value(key));
  }

  // Something other than a settings file in its place, or its lock not to be had: the window
  // goes on with one line on standard error, and what is there stays as it was.
  void nothingWaitsOnTheSettingsFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");  // in the one line on standard error
    QTest::newRow("a named pipe") << "pipe"
                                  << "not a regular file";
    QTest::newRow("a link to a named pipe") << "link"
                                            << "not a regular file";
    QTest::newRow("a folder") << "folder"
                              << "not a regular file";
    QTest::newRow("a folder as its lock") << "lock folder"
                                          << "settings.ini.lock";
    QTest::newRow("its lock held by another copy") << "lock held"
                                                   << "settings.ini.lock";
  }
  void nothingWaitsOnTheSettingsFile() {
    QFETCH(QString, kind);
    QFETCH(QString, said);
    const QByteArray path = QFile::encodeName(settingsPath);
    const bool odd = !kind.startsWith("lock");
    if (kind == "pipe") QCOMPARE(::mkfifo(path.constData(), 0600), 0);
    // Never a link to a real device: a faulty write would replace the device itself.
    if (kind == "link") {
      QCOMPARE(::mkfifo(QFile::encodeName(config.filePath("pipe")).constData(), 0600), 0);
      QVERIFY(QFile::link(config.filePath("pipe"), settingsPath));
    }
    if (kind == "folder") QVERIFY(QDir().mkdir(settingsPath));
    if (!odd) Write(settingsPath, "[General]\nlanguage=hi\n");
    if (kind == "lock folder") QVERIFY(QDir().mkdir(settingsPath + ".lock"));
    QLockFile held(settingsPath + ".lock");
    if (kind == "lock held") QVERIFY(held.tryLock(0));
    const QByteArray kept = odd ? QByteArray() : Contents(settingsPath);

    // Loading at start-up, then a choice in the menus.
    const Outcome outcome = RunWithin(5, [odd] {
      const bool loaded =
          ui::LoadLanguagePreference() == (odd ? std::nullopt : std::optional(ui::Language::Hindi));
      ui::SaveLanguagePreference(ui::Language::Tamil);
      return loaded;
    });
    QVERIFY2(outcome.finished, qPrintable(kind + " kept the program waiting"));
    QCOMPARE(outcome.errors.count('\n'), 1);
    QVERIFY2(outcome.errors.contains(said.toUtf8()), outcome.errors.constData());
    struct stat info {};
    QCOMPARE(::lstat(path.constData(), &info), 0);
    QCOMPARE(S_ISFIFO(info.st_mode), kind == "pipe");
    QCOMPARE(S_ISLNK(info.st_mode), kind == "link");
    QCOMPARE(S_ISDIR(info.st_mode), kind == "folder");
    if (!odd) QCOMPARE(Contents(settingsPath), kept);
  }
};

QTEST_GUILESS_MAIN(FileReadingTest)
#include "file_reading_test.moc"

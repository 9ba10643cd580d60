// Files the program reads and keeps, whatever stands in their place: nothing waits on a pipe or
// a lock, and the settings file is read and written as Qt's settings class, which earlier
// versions used, wrote and reads it.

#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QLockFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QtTest>
#include <cstdarg>
#include <functional>

#include "ui/common/language.h"
#include "ui/common/settings_file.h"
#include "ui/form/calculation_preference.h"
#include "ui/output/birth_details_file.h"

namespace {

// Runs `body` in a child process ended after `seconds`, so that a wait without end fails the
// test instead of hanging it. True when `body` held; `errors` gets its standard error.
bool RunWithin(int seconds, const std::function<bool()>& body, QByteArray* errors = nullptr) {
  QTemporaryFile written;
  if (!written.open()) return false;
  const pid_t child = ::fork();
  if (child == 0) {
    ::dup2(written.handle(), STDERR_FILENO);
    ::alarm(static_cast<unsigned>(seconds));
    ::_exit(body() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  if (errors && written.seek(0)) *errors = written.readAll();
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

void Write(const QString& path, const QByteArray& contents) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size());
}

// The next opening of `swappedAt` finds the named pipe `pipeIn` renamed into its place first,
// as another program may do between a look at the path and its opening.
QByteArray swappedAt, pipeIn;

int OpenAfterSwap(const char* path, int flags, va_list rest) {
  if (!swappedAt.isEmpty() && swappedAt == path) ::rename(pipeIn.constData(), path);
  // The system's open, which open64 is as well on a 64-bit system.
  using Open = int (*)(const char*, int, ...);
  static const auto open = reinterpret_cast<Open>(::dlsym(RTLD_NEXT, "open"));
  return open(path, flags, (flags & (O_CREAT | O_TMPFILE)) ? va_arg(rest, int) : 0);
}

}  // namespace

extern "C" int open(const char* path, int flags, ...) {
  va_list rest;
  va_start(rest, flags);
  const int fd = OpenAfterSwap(path, flags, rest);
  va_end(rest);
  return fd;
}
extern "C" int open64(const char* path, int flags, ...) {
  va_list rest;
  va_start(rest, flags);
  const int fd = OpenAfterSwap(path, flags, rest);
  va_end(rest);
  return fd;
}

namespace {

// Read through a copy of a name never read before: the settings class keeps what it read of a
// file and reads it again only if its size or time changed, and "hi" → "ta" within the same
// clock tick changes neither.
QMap<QString, QVariant> AllKeys(const QString& path) {
  static int reads = 0;
  const QString copy = QStringLiteral("%1.read-%2").arg(path).arg(++reads);
  QFile::remove(copy);
  if (!QFile::copy(path, copy)) return {};
  QMap<QString, QVariant> keys;
  const QSettings settings(copy, QSettings::IniFormat);
  for (const QString& key : settings.allKeys()) keys[key] = settings.value(key);
  return keys;
}

}  // namespace

class FileReadingTest : public QObject {
  Q_OBJECT

  QTemporaryDir config;
  QString settings;

 private slots:
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(config.path()));  // this suite's own
    settings = ui::PreferenceFilePath();
    QVERIFY(settings.startsWith(config.path()));
  }
  void init() {
    QDir(QFileInfo(settings).path()).removeRecursively();
    QDir().mkpath(QFileInfo(settings).path());
  }

  // A named pipe renamed over the file after a look at the path, as it is opened.
  void aPipeSwappedInIsNeverWaitedOn() {
    const QString path = config.filePath("birth.opc.json");
    QVERIFY(QFile::copy(OPC_TEST_DATA_DIR "/day-birth.opc.json", path));
    pipeIn = QFile::encodeName(config.filePath("pipe"));
    QCOMPARE(::mkfifo(pipeIn.constData(), 0600), 0);
    swappedAt = QFile::encodeName(path);
    QVERIFY(RunWithin(5, [&path] {
      return ui::ReadBirthDetailsFile(path).error.contains("This is not a regular file.");
    }));
    swappedAt.clear();
  }

  // A file an earlier version kept, and one edited by hand: read as the settings class reads
  // it, and, once this version kept a choice, read by it with that choice and every other key.
  void settingsAreTheSettingsClasss_data() {
    QTest::addColumn<QByteArray>("text");  // empty: written by the settings class itself
    QTest::newRow("written by the settings class") << QByteArray();
    QTest::newRow("edited by hand") << QByteArray(
        "\xEF\xBB\xBFlanguage = ta \r\n[calc%75lation]\r\nnode=mean ; kept\n#note=1\n[General]\n"
        "language=hi\n[calculation]\nnode=true\nephemer%69s=\"sw\\x69ss\"\n%U0939=\"a;b\"\nat=@@x\n"
        "l=a, b\n");
  }
  void settingsAreTheSettingsClasss() {
    QFETCH(QByteArray, text);
    if (text.isEmpty()) {
      QSettings by(settings, QSettings::IniFormat);
      for (const char* key :
           {"language", "calculation/ephemeris", "calculation/ayanamsa", "other/key with space",
            "other/ünï", "other/quoted", "other/at", "other/deep/er", "General/x", "other/हिन्दी"})
        by.setValue(key, QStringLiteral("say \"hi\"\\, @a;\n\t%1 ").arg(key));
      by.setValue("language", "hi");
    } else {
      Write(settings, text);
    }
    const QMap<QString, QVariant> before = AllKeys(settings);
    const auto ours = ui::ReadSettingsFile().settings;
    for (const auto& [key, value] : before.asKeyValueRange()) {
      // A list, or a group named General itself ([%General]), is no setting of the program's.
      if (value.typeId() != QMetaType::QString || key.startsWith("General/")) continue;
      const qsizetype slash = key.indexOf('/');
      QCOMPARE(ours.Value(slash < 0 ? "General" : key.left(slash), key.mid(slash + 1)),
               std::optional(value.toString()));
    }
    ui::SaveLanguagePreference(ui::Language::Tamil);
    QMap<QString, QVariant> expected = before;
    expected["language"] = "ta";
    QCOMPARE(AllKeys(settings), expected);
  }

  // Something else in the settings file's place, or its lock not to be had: one line on
  // standard error, the window goes on, and what is there stays as it was.
  void nothingWaitsOnTheSettingsFile_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("said");
    for (const char* kind : {"a named pipe", "a link to a named pipe", "a folder"})
      QTest::newRow(kind) << kind << "not a regular file";
    for (const char* kind : {"a folder as its lock", "its lock held by another copy"})
      QTest::newRow(kind) << kind << "settings.ini.lock";
  }
  void nothingWaitsOnTheSettingsFile() {
    QFETCH(QString, kind);
    QFETCH(QString, said);
    // Never a link to a real device: a faulty write would replace the device itself.
    const QString pipe = kind.contains("link") ? config.filePath("pipe") : settings;
    if (kind.contains("pipe")) QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    if (kind.contains("link")) QVERIFY(QFile::link(pipe, settings));
    if (kind == "a folder") QVERIFY(QDir().mkdir(settings));
    const bool lock = kind.contains("lock");
    if (lock) Write(settings, "[General]\nlanguage=hi\n");
    if (kind.contains("folder as")) QVERIFY(QDir().mkdir(settings + ".lock"));
    QLockFile held(settings + ".lock");
    if (kind.contains("held")) QVERIFY(held.tryLock(0));
    const QFileInfo before(settings);

    QByteArray errors;
    QVERIFY2(RunWithin(
                 5,
                 [lock] {
                   const bool read = ui::LoadLanguagePreference().has_value() == lock;
                   ui::SaveLanguagePreference(ui::Language::Tamil);
                   return read;
                 },
                 &errors),
             qPrintable(kind + " kept the program waiting"));
    QVERIFY2(errors.count('\n') == 1 && errors.contains(said.toUtf8()), errors.constData());
    const QFileInfo after(settings);
    QCOMPARE(after.isSymLink(), before.isSymLink());
    QCOMPARE(after.isFile(), before.isFile());
    QCOMPARE(after.lastModified(), before.lastModified());
    QFile::remove(config.filePath("pipe"));
  }
};

QTEST_GUILESS_MAIN(FileReadingTest)
#include "file_reading_test.moc"

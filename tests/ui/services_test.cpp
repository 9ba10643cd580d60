// The link addresses and the single-instance lock.

#include "ui/common/services.h"

#include <dlfcn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <future>

#include "ui/common/web_links.h"

namespace {

// The listener's calls to accept4, counted on their way to the system: a listener that does
// not rest when the system refuses calls it again and again.
std::atomic<int> acceptCalls = 0;

// Connects `fd` (a new socket if -1) as a flood would; the socket, or -1 when it could not.
int Connect(const QString& socketPath, int fd = -1) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray name = QFile::encodeName(socketPath);
  std::copy(name.begin(), name.end(), address.sun_path);
  for (int attempt = 0; attempt < 100; ++attempt) {
    if (fd < 0) fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
    ::close(fd);
    fd = -1;
    QTest::qWait(1);  // the backlog is full: the listener takes some from its event loop
  }
  return -1;
}

int OpenDescriptors() {
  return static_cast<int>(QDir("/proc/self/fd").count()) - 2;
}

}  // namespace

extern "C" int accept4(int fd, sockaddr* address, socklen_t* length, int flags) {
  using Accept = int (*)(int, sockaddr*, socklen_t*, int);
  static const auto system = reinterpret_cast<Accept>(::dlsym(RTLD_NEXT, "accept4"));
  ++acceptCalls;
  return system(fd, address, length, flags);
}

class ServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void pagesAreFixedPlainWebAddresses() {
    for (const QUrl& page : {ui::HelpPage(), ui::DownloadPage(), ui::HomePage()}) {
      QVERIFY2(page.isValid(), qPrintable(page.toString()));
      QCOMPARE(page.scheme(), QStringLiteral("http"));
    }
    QCOMPARE(ui::HelpPage().path(), QStringLiteral("/orvel-free-pataki-chakra-help.html"));
    QCOMPARE(ui::DownloadPage().path(), QStringLiteral("/download-orvel-free-pataki-chakra.html"));
    QVERIFY(ui::HomePage().path().isEmpty() || ui::HomePage().path() == "/");
  }

  void coordinatesQueryJoinsTheBoxesWithSingleBlanks() {
    QCOMPARE(ui::CoordinatesQuery(" Pune", "MH ", "India"),
             QStringLiteral(" Pune MH  India Latitude Longitude"));
  }

  void secondCopyFindsTheLockHeld() {
    QTemporaryDir dir;
    const QString path = dir.filePath("opc.lock");
    ui::LockFileInstanceGuard first(path);
    QVERIFY(!first.AnotherIsRunning());
    QVERIFY(!first.AnotherIsRunning());  // asking again does not count itself
    ui::LockFileInstanceGuard second(path);
    QVERIFY(second.AnotherIsRunning());
  }

  void lockLeftByACrashedCopyIsTakenOver() {
    QTemporaryDir dir;
    const QString path = dir.filePath("opc.lock");
    QByteArray contents;
    {
      ui::LockFileInstanceGuard crashed(path);
      QVERIFY(!crashed.AnotherIsRunning());
      QFile lock(path);
      QVERIFY(lock.open(QIODevice::ReadOnly));
      contents = lock.readAll();
    }
    // The same lock, as a copy whose process has ended would have left it behind.
    QProcess ended;
    ended.start("true");
    QVERIFY(ended.waitForStarted());
    const QByteArray deadPid = QByteArray::number(ended.processId());
    QVERIFY(ended.waitForFinished());
    contents.replace(0, contents.indexOf('\n'), deadPid);
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write(contents);
    stale.close();

    ui::LockFileInstanceGuard restarted(path);
    QVERIFY(!restarted.AnotherIsRunning());
  }

  // Locks as a crash or another machine leaves them, written by hand; a second guard then
  // shows whether the first holds the lock now.
  void abandonedLocksAreTakenOver_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<int>("ageSeconds");
    QTest::addColumn<bool>("takenOver");
    const QByteArray pid = QByteArray::number(QCoreApplication::applicationPid());
    const QByteArray application = QCoreApplication::applicationName().toUtf8();
    const QByteArray host = QSysInfo::machineHostName().toUtf8();
    QTest::newRow("empty, left by a crash a minute ago") << QByteArray() << 60 << true;
    QTest::newRow("owner unreadable, a minute old") << QByteArray("not a lock\n") << 60 << true;
    QTest::newRow("empty, made this moment by a copy starting now") << QByteArray() << 0 << false;
    QTest::newRow("owner unreadable, one second old") << QByteArray("x") << 1 << false;
    QTest::newRow("a copy on another host") << pid + "\n" + application + "\nanother-host.invalid\n"
                                            << 0 << true;
    QTest::newRow("a live copy on this host, an hour old")
        << pid + "\n" + application + "\n" + host + "\n"
        << 3600 << false;
  }
  void abandonedLocksAreTakenOver() {
    QFETCH(QByteArray, contents);
    QFETCH(int, ageSeconds);
    QFETCH(bool, takenOver);
    QTemporaryDir dir;
    const QString path = dir.filePath("opc.lock");
    QFile left(path);
    QVERIFY(left.open(QIODevice::WriteOnly));
    left.write(contents);
    QVERIFY(left.flush());  // written before the time is set, or the write would renew it
    QVERIFY(left.setFileTime(QDateTime::currentDateTime().addSecs(-ageSeconds),
                             QFileDevice::FileModificationTime));
    left.close();

    ui::LockFileInstanceGuard starting(path);
    QCOMPARE(!starting.AnotherIsRunning(), takenOver);
    ui::LockFileInstanceGuard next(path);
    QVERIFY(next.AnotherIsRunning());  // held either by the first guard or by the lock's owner
  }

  void windowIconIsBuiltIn() {
    QVERIFY(QFile::exists(QStringLiteral(":/icons/orvel-pataki-chakra.png")));
  }

  // Where the lock belongs, something no copy made and none can take over.
  void aLockThatCannotBeUsedDoesNotStopTheProgram_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("a dangling symlink") << "dangling";
    QTest::newRow("a symlink loop") << "loop";
    QTest::newRow("a directory") << "directory";
  }
  void aLockThatCannotBeUsedDoesNotStopTheProgram() {
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath("opc.lock");
    if (kind == "dangling") QVERIFY(QFile::link(dir.filePath("gone"), path));
    if (kind == "loop") QVERIFY(QFile::link(path, path));
    if (kind == "directory") QVERIFY(QDir().mkdir(path));
    ui::LockFileInstanceGuard guard(path);
    QVERIFY(!guard.AnotherIsRunning());
    ui::LockFileInstanceGuard again(path);
    QVERIFY(!again.AnotherIsRunning());
  }

  void theLockFolderIsTheUsersOwn_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("own");
    QTest::newRow("made now") << "absent" << true;
    QTest::newRow("owner only") << "0700" << true;
    QTest::newRow("open to all, as /tmp") << "1777" << false;
    QTest::newRow("a symlink to an own folder") << "symlink" << false;
    QTest::newRow("a file") << "file" << false;
  }
  void theLockFolderIsTheUsersOwn() {
    QFETCH(QString, kind);
    QFETCH(bool, own);
    QTemporaryDir dir;
    const QString path = dir.filePath("folder");
    const QByteArray name = QFile::encodeName(path);
    if (kind.startsWith('0') || kind.startsWith('1')) {
      QVERIFY(QDir().mkdir(path));
      QCOMPARE(::chmod(name.constData(), kind.toUInt(nullptr, 8)), 0);
    }
    if (kind == "symlink") QVERIFY(QFile::link(dir.path(), path));
    if (kind == "file") QVERIFY(QFile(path).open(QIODevice::WriteOnly));
    QCOMPARE(ui::IsOwnPrivateFolder(path), own);
    struct stat info {};
    if (kind == "absent")
      QVERIFY(::lstat(name.constData(), &info) == 0 && (info.st_mode & 0777) == 0700);
  }

  // Two guards on one lock, as two starts of the program: the second hands a file over a
  // real socket to the first, which answers from its event loop, each answer as it was given.
  void aFileIsHandedToTheCopyHoldingTheLock_data() {
    QTest::addColumn<ui::HandOverAnswer>("answer");
    QTest::newRow("taken") << ui::HandOverAnswer::Taken;
    QTest::newRow("queued behind a dialog") << ui::HandOverAnswer::Queued;
    QTest::newRow("busy") << ui::HandOverAnswer::Busy;
  }
  void aFileIsHandedToTheCopyHoldingTheLock() {
    QFETCH(ui::HandOverAnswer, answer);
    QTemporaryDir dir;
    const QString path = dir.filePath("opc.lock");
    ui::LockFileInstanceGuard first(path);
    QVERIFY(!first.AnotherIsRunning());
    // A socket left behind by a copy that crashed is replaced.
    QVERIFY(QFile(first.SocketPath()).open(QIODevice::WriteOnly));
    QStringList opened;
    first.ListenForFiles([&opened, answer](const QString& file) {
      opened << file;
      return answer;
    });
    struct stat info {};
    QVERIFY(::lstat(QFile::encodeName(first.SocketPath()).constData(), &info) == 0);
    QVERIFY(S_ISSOCK(info.st_mode));
    QCOMPARE(info.st_mode & 0777, 0600u);

    ui::LockFileInstanceGuard second(path);
    QVERIFY(second.AnotherIsRunning());
    const QString file = QStringLiteral("/home/a b/Asha Rani ü.opc.json");
    auto handed =
        std::async(std::launch::async, [&second, &file] { return second.HandOver(file); });
    QTRY_COMPARE(opened, QStringList{file});
    QCOMPARE(handed.get(), answer);
  }

  // A runtime folder the lock or the socket cannot use is said, and the program goes on.
  void runtimeFolderProblemsAreSaid() {
    const QByteArray kept = qgetenv("XDG_RUNTIME_DIR");
    qputenv("XDG_RUNTIME_DIR", "run/user");
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("XDG_RUNTIME_DIR is not an absolute"));
    QVERIFY(!ui::LockFileInstanceGuard::DefaultLockPath().startsWith("run/"));
    qputenv("XDG_RUNTIME_DIR", kept);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QString(120, 'r')));
    ui::LockFileInstanceGuard guard(dir.filePath(QString(120, 'r') + "/opc.lock"));
    QVERIFY(!guard.AnotherIsRunning());
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("too long for a socket"));
    guard.ListenForFiles([](const QString&) { return ui::HandOverAnswer::Taken; });
  }

  // Peers no copy would be: the listener holds a few connections at most, the oldest dropped,
  // reads no more than a path's worth from one, rests while the system refuses it connections
  // (no descriptor left), and hears a copy starting afterwards.
  void hostilePeersLeaveTheListenerHearing_data() {
    QTest::addColumn<int>("silent");  // connections that send nothing
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<bool>("noDescriptorLeft");
    QTest::newRow("a flood") << 200 << QByteArray() << false;
    QTest::newRow("100 kB before the zero byte") << 0 << QByteArray(100'000, '/') + '\0' << false;
    QTest::newRow("no descriptor left") << 0 << QByteArray() << true;
  }
  void hostilePeersLeaveTheListenerHearing() {
    QFETCH(int, silent);
    QFETCH(QByteArray, sent);
    QFETCH(bool, noDescriptorLeft);
    QTemporaryDir dir;
    const QString path = dir.filePath("opc.lock");
    ui::LockFileInstanceGuard first(path);
    QVERIFY(!first.AnotherIsRunning());
    QStringList opened;
    first.ListenForFiles([&opened](const QString& file) {
      opened << file;
      return ui::HandOverAnswer::Taken;
    });
    const int before = OpenDescriptors();
    std::vector<int> peers;
    for (int k = 0; k < silent + !sent.isEmpty(); ++k) peers.push_back(Connect(first.SocketPath()));
    QVERIFY(std::find(peers.begin(), peers.end(), -1) == peers.end());
    if (!sent.isEmpty()) {
      QCOMPARE(::send(peers.back(), sent.constData(), sent.size(), MSG_NOSIGNAL), sent.size());
      char reply = 0;
      QTRY_COMPARE(::recv(peers.back(), &reply, 1, MSG_DONTWAIT), 0);  // closed, without "y"
    }
    QTest::qWait(50);
    const int held = OpenDescriptors() - before - static_cast<int>(peers.size());
    QVERIFY2(held <= 16, qPrintable(QString::number(held)));
    if (noDescriptorLeft) {
      // A socket made before and connected after: its connection waits to be taken.
      const int waiting = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
      rlimit limit{};
      QCOMPARE(::getrlimit(RLIMIT_NOFILE, &limit), 0);
      const int lowestFree = ::dup(STDERR_FILENO);
      ::close(lowestFree);
      const rlimit none{static_cast<rlim_t>(lowestFree), limit.rlim_max};
      QCOMPARE(::setrlimit(RLIMIT_NOFILE, &none), 0);
      peers.push_back(Connect(first.SocketPath(), waiting));
      acceptCalls = 0;
      QTest::qWait(1000);
      const int calls = acceptCalls;
      QCOMPARE(::setrlimit(RLIMIT_NOFILE, &limit), 0);
      QVERIFY2(calls <= 10, qPrintable(QStringLiteral("%1 calls in a second").arg(calls)));
    }

    ui::LockFileInstanceGuard second(path);
    QVERIFY(second.AnotherIsRunning());
    auto handed = std::async(std::launch::async, [&second] { return second.HandOver("/a"); });
    QTRY_COMPARE(opened, QStringList{"/a"});
    QCOMPARE(handed.get(), ui::HandOverAnswer::Taken);
    for (const int fd : peers) ::close(fd);
  }

  void aHandOverNobodyAnswersFails() {
    QTemporaryDir dir;
    ui::LockFileInstanceGuard second(dir.filePath("opc.lock"));
    QCOMPARE(second.HandOver("/a.opc.json"), ui::HandOverAnswer::NoAnswer);  // no socket
    // A socket that is bound but never answered: refused within about two seconds.
    ui::LockFileInstanceGuard first(dir.filePath("opc.lock"));
    QVERIFY(!first.AnotherIsRunning());
    first.ListenForFiles([](const QString&) { return ui::HandOverAnswer::Taken; });
    QElapsedTimer clock;
    clock.start();
    // This thread runs no event loop.
    QCOMPARE(second.HandOver("/a.opc.json"), ui::HandOverAnswer::NoAnswer);
    QVERIFY2(clock.elapsed() < 3000, qPrintable(QString::number(clock.elapsed())));
  }

  // Without a browser the person is told, with the address to copy; with one, nothing is said.
  void linkThatCannotBeOpenedIsExplained() {
    for (const bool opens : {false, true}) {
      QList<QUrl> asked;
      QStringList told;
      ui::DesktopLinkOpener links(
          [&](const QUrl& address) {
            asked << address;
            return opens;
          },
          [&](const QString& message) { told << message; });
      links.Open(ui::HomePage());
      QCOMPARE(asked, QList<QUrl>{ui::HomePage()});
      QCOMPARE(told.size(), opens ? 0 : 1);
      if (!opens) QVERIFY2(told[0].contains(ui::HomePage().toString()), qPrintable(told[0]));
    }
  }

  void unwritableLockPlaceDoesNotStopTheProgram() {
    ui::LockFileInstanceGuard guard("/nonexistent-directory/opc.lock");
    QVERIFY(!guard.AnotherIsRunning());
  }
};

QTEST_GUILESS_MAIN(ServicesTest)
#include "services_test.moc"

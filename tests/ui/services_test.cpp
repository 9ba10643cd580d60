// The link addresses and the single-instance lock.

#include "ui/common/services.h"

#include <QDateTime>
#include <QFile>
#include <QProcess>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/common/web_links.h"

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

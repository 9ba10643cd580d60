// The link addresses and the single-instance lock.

#include "ui/services.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/mod_help.h"

class ServicesTest : public QObject {
  Q_OBJECT

 private slots:
  void pagesAreFixedPlainWebAddresses() {
    for (const QUrl& page : {modHelp::HelpPage(), modHelp::DownloadPage(), modHelp::HomePage()}) {
      QVERIFY2(page.isValid(), qPrintable(page.toString()));
      QCOMPARE(page.scheme(), QStringLiteral("http"));
    }
    QCOMPARE(modHelp::HelpPage().path(), QStringLiteral("/orvel-free-pataki-chakra-help.html"));
    QCOMPARE(modHelp::DownloadPage().path(),
             QStringLiteral("/download-orvel-free-pataki-chakra.html"));
    QVERIFY(modHelp::HomePage().path().isEmpty() || modHelp::HomePage().path() == "/");
  }

  void coordinatesQueryJoinsTheBoxesWithSingleBlanks() {
    QCOMPARE(modHelp::CoordinatesQuery(" Pune", "MH ", "India"),
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

  void windowIconIsBuiltIn() {
    QVERIFY(QFile::exists(QStringLiteral(":/icons/orvel-pataki-chakra.png")));
  }

  void unwritableLockPlaceDoesNotStopTheProgram() {
    ui::LockFileInstanceGuard guard("/nonexistent-directory/opc.lock");
    QVERIFY(!guard.AnotherIsRunning());
  }
};

QTEST_GUILESS_MAIN(ServicesTest)
#include "services_test.moc"

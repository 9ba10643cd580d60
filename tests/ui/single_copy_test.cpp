// One copy at a time: a later start hands its file to the running copy, which opens it over
// the form.

#include "ui/app/single_copy.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "fakes.h"
#include "ui/app/program.h"
#include "ui/form/birth_form.h"
#include "ui/result/result_frame.h"

using ui::testing::FakeInstanceGuard;
using ui::testing::RecordingDialogs;
using ui::testing::RecordingLinks;

class SingleCopyTest : public QObject {
  Q_OBJECT

 private slots:
  void aLaterStartHandsItsFileOver_data() {
    QTest::addColumn<bool>("running");
    QTest::addColumn<bool>("takes");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QString>("message");  // empty: none
    QTest::newRow("alone, with a file") << false << true << "a.opc.json" << true << "";
    QTest::newRow("second, without a file")
        << true << true << "" << false << "Application is already running";
    QTest::newRow("second, the running copy takes the file")
        << true << true << "a.opc.json" << false << "";
    QTest::newRow("second, no answer")
        << true << false << "a.opc.json" << false
        << "Application is already running\n\n\"" +
               QDir::toNativeSeparators(QDir::current().absoluteFilePath("a.opc.json")) +
               "\" was not opened: the running copy did not answer.";
  }
  void aLaterStartHandsItsFileOver() {
    QFETCH(bool, running);
    QFETCH(bool, takes);
    QFETCH(QString, file);
    QFETCH(bool, goesOn);
    QFETCH(QString, message);
    FakeInstanceGuard guard;
    guard.running = running;
    guard.takes = takes;
    RecordingDialogs dialogs;
    QCOMPARE(ui::ClaimOrHandOver(guard, dialogs, file), goesOn);
    QCOMPARE(dialogs.Texts(), message.isEmpty() ? QStringList{} : QStringList{message});
    // Handed over as an absolute path: the running copy has a working folder of its own.
    const QStringList handed{QDir::current().absoluteFilePath(file)};
    QCOMPARE(guard.handed, running && !file.isEmpty() ? handed : QStringList{});
  }

  void aHandedFileReplacesTheResultWindowWithTheFilledForm() {
    RecordingDialogs dialogs;
    RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();
    program.OpenHandedOver(QStringLiteral(OPC_TEST_DATA_DIR "/day-birth.opc.json"));
    QCOMPARE(program.Form()->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("ASHA RANI"));
    program.Form()->findChild<QLineEdit*>("txtName")->setText("Another");
    program.Form()->findChild<QPushButton*>("cmdRashi")->click();
    QVERIFY(program.Frame());

    program.OpenHandedOver(QStringLiteral(OPC_TEST_DATA_DIR "/day-birth.opc.json"));
    QVERIFY(!program.Frame());
    QVERIFY(program.Form()->isVisible());
    QCOMPARE(program.Form()->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("ASHA RANI"));
    QCOMPARE(dialogs.Texts(), QStringList{});
  }

  void aHandedFileItCannotOpenIsRefusedByName() {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.opc.json");
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("{");
    file.close();
    RecordingDialogs dialogs;
    RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();
    program.Form()->findChild<QLineEdit*>("txtName")->setText("Kept");
    program.OpenHandedOver(path);
    QCOMPARE(dialogs.messages.size(), 1);
    QVERIFY2(dialogs.messages[0].text.contains("broken.opc.json"),
             qPrintable(dialogs.messages[0].text));
    QCOMPARE(program.Form()->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("Kept"));
  }
};

QTEST_MAIN(SingleCopyTest)
#include "single_copy_test.moc"

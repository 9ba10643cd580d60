// One copy at a time: a later start hands its file to the running copy, which opens it over
// the form.

#include "ui/app/single_copy.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "fakes.h"
#include "ui/app/hand_over_queue.h"
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
    QTest::addColumn<ui::HandOverAnswer>("answer");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<QString>("message");  // empty: none
    using ui::HandOverAnswer;
    const QString path = QDir::toNativeSeparators(QDir::current().absoluteFilePath("a.opc.json"));
    QTest::newRow("alone, with a file")
        << false << HandOverAnswer::Taken << "a.opc.json" << true << "";
    QTest::newRow("second, without a file")
        << true << HandOverAnswer::Taken << "" << false << "Application is already running";
    QTest::newRow("second, the running copy takes the file")
        << true << HandOverAnswer::Taken << "a.opc.json" << false << "";
    QTest::newRow("second, the running copy has a dialog up")
        << true << HandOverAnswer::Queued << "a.opc.json" << false
        << "The running copy has a dialog open: \"" + path + "\" will be opened once it is closed.";
    QTest::newRow("second, the running copy is busy")
        << true << HandOverAnswer::Busy << "a.opc.json" << false
        << "Application is already running\n\n\"" + path +
               "\" was not opened: the running copy has too many files waiting. Try again once it "
               "has opened them.";
    QTest::newRow("second, no answer") << true << HandOverAnswer::NoAnswer << "a.opc.json" << false
                                       << "Application is already running\n\n\"" + path +
                                              "\" was not opened: the running copy did not answer.";
  }
  void aLaterStartHandsItsFileOver() {
    QFETCH(bool, running);
    QFETCH(ui::HandOverAnswer, answer);
    QFETCH(QString, file);
    QFETCH(bool, goesOn);
    QFETCH(QString, message);
    FakeInstanceGuard guard;
    guard.running = running;
    guard.answer = answer;
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

  // A file handed over while a dialog runs over the result window waits until it is closed:
  // the window the dialog runs in stays, the later start is told, and the file then opens
  // over the form as it does at once without a dialog. Real dialogs: the desktop's own file
  // dialog, the about box, a message box (printing finds no module beside the test).
  void aHandOverWaitsForTheDialogThatIsUp_data() {
    QTest::addColumn<QString>("item");
    QTest::newRow("File > Export PDF") << "mnuExportPdf";
    QTest::newRow("Help > About") << "mnuAbout";
    QTest::newRow("File > Print, a message") << "mnuPrint";
  }
  void aHandOverWaitsForTheDialogThatIsUp() {
    QFETCH(QString, item);
    const QString file = QStringLiteral(OPC_TEST_DATA_DIR "/day-birth.opc.json");
    ui::MessageBoxDialogs dialogs;
    RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();
    QVERIFY(program.OpenBirthDetails(file));
    program.Form()->findChild<QLineEdit*>("txtName")->setText("Another");
    program.RunReading();
    const QPointer<ui::MdiFrame> frame = program.Frame();
    QVERIFY(frame);

    std::optional<ui::HandOverAnswer> answer;
    bool frameKept = false;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (!answer) {
        answer = program.HandOver(file);
        return;  // the event loop runs on with the file waiting
      }
      frameKept = frame && program.Frame() == frame;
      dialog->reject();
    });
    driver.start(10);
    frame->findChild<QAction*>(item)->trigger();
    QCOMPARE(answer, std::optional(ui::HandOverAnswer::Queued));
    QVERIFY(frameKept);
    QTRY_VERIFY(!program.Frame());
    QVERIFY(program.Form()->isVisible());
    QCOMPARE(program.Form()->findChild<QLineEdit*>("txtName")->text(), QStringLiteral("ASHA RANI"));
  }

  // Files refused while the refusal of another is up wait their turn: one message box at a
  // time, never one inside another; past the few that may wait, later starts hear "busy".
  void refusedHandOversComeOneBoxAtATime() {
    QTemporaryDir dir;
    const QString path = dir.filePath("broken.opc.json");
    QFile broken(path);
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("{") == 1);
    broken.close();
    ui::MessageBoxDialogs dialogs;
    RecordingLinks links;
    ui::Program program(dialogs, links);
    program.Start();

    constexpr int kFlood = 40;
    QList<ui::HandOverAnswer> answers;
    int closed = 0, mostAtOnce = 0;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
      const QWidgetList windows = QApplication::topLevelWidgets();
      mostAtOnce = std::max<int>(
          mostAtOnce, std::count_if(windows.begin(), windows.end(), [](const QWidget* w) {
            return w->isVisible() && qobject_cast<const QMessageBox*>(w);
          }));
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      if (answers.isEmpty()) {
        // As the listener delivers them: each from the event loop, one by one.
        for (int i = 0; i < kFlood; ++i)
          QTimer::singleShot(0, this, [&] { answers << program.HandOver(path); });
        answers << ui::HandOverAnswer::Taken;  // the first, whose box this is
        return;
      }
      if (answers.size() <= kFlood) return;
      ++closed;
      box->accept();
    });
    driver.start(5);
    QCOMPARE(program.HandOver(path), ui::HandOverAnswer::Taken);
    const int waiting = ui::HandOverQueue::kMostWaiting;
    QTRY_COMPARE_WITH_TIMEOUT(closed, 1 + waiting, 20000);
    QCOMPARE(mostAtOnce, 1);
    QCOMPARE(answers.count(ui::HandOverAnswer::Queued), waiting);
    QCOMPARE(answers.count(ui::HandOverAnswer::Busy), kFlood - waiting);
  }
};

QTEST_MAIN(SingleCopyTest)
#include "single_copy_test.moc"

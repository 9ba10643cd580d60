// The command line as read before QApplication exists, and which of Qt's warnings it drops.

#include "ui/app/command_line.h"

#include <QtTest>

#include "ui/common/qt_messages.h"

class CommandLineTest : public QObject {
  Q_OBJECT

 private slots:
  void readsTheLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("expected");  // help|version|pdf|png|file, or "error"
    QTest::newRow("nothing") << QStringList{} << "0|0|||";
    QTest::newRow("file") << QStringList{"a.opc.json"} << "0|0|||a.opc.json";
    QTest::newRow("short help") << QStringList{"-h"} << "1|0|||";
    QTest::newRow("version") << QStringList{"--version"} << "0|1|||";
    QTest::newRow("pdf") << QStringList{"--pdf", "o.pdf", "a.opc.json"} << "0|0|o.pdf||a.opc.json";
    QTest::newRow("png, = form") << QStringList{"a.opc.json", "--png=o.png"}
                                 << "0|0||o.png|a.opc.json";
    QTest::newRow("pdf and png") << QStringList{"a.opc.json", "--png=o.png", "--pdf", "o.pdf"}
                                 << "error";
    // Qt's own options stay for QApplication; their values are not taken for the file.
    QTest::newRow("qt options") << QStringList{"-platform", "offscreen", "-reverse",
                                               "-style=fusion", "a.opc.json"}
                                << "0|0|||a.opc.json";
    QTest::newRow("pdf without file") << QStringList{"--pdf", "o.pdf"} << "error";
    QTest::newRow("pdf without value") << QStringList{"a.opc.json", "--pdf"} << "error";
    QTest::newRow("pdf with an empty name") << QStringList{"--pdf", "", "a.opc.json"} << "error";
    QTest::newRow("png with an empty name") << QStringList{"--png=", "a.opc.json"} << "error";
    QTest::newRow("two files") << QStringList{"a.opc.json", "b.opc.json"} << "error";
    QTest::newRow("unknown option") << QStringList{"--colour"} << "error";
    QTest::newRow("pdf twice") << QStringList{"--pdf", "a.pdf", "--pdf=b.pdf", "a.opc.json"}
                               << "error";
    QTest::newRow("empty language") << QStringList{"--language", "", "a.opc.json"} << "error";
  }

  void readsTheLine() {
    QFETCH(QStringList, args);
    QFETCH(QString, expected);
    const ui::CommandLine line = ui::ParseCommandLine(QStringList{"orvel-pataki-chakra"} + args);
    if (expected == "error") {
      QVERIFY(!line.error.isEmpty());
      return;
    }
    QVERIFY2(line.error.isEmpty(), qPrintable(line.error));
    const QString actual = QStringList{QString::number(line.help), QString::number(line.version),
                                       line.pdfOut, line.pngOut, line.file}
                               .join('|');
    QCOMPARE(actual, expected);
  }

  void helpNamesTheProgramAndEveryOptionButNotQtOnes() {
    const QString help = ui::HelpText();
    QVERIFY(help.startsWith("Usage: orvel-pataki-chakra "));
    for (const char* option : {"--help", "--version", "--pdf", "--png", "FILE"})
      QVERIFY2(help.contains(QLatin1String(option)), option);
    QVERIFY(!help.contains("platform"));
    QVERIFY(ui::VersionText().startsWith("orvel-pataki-chakra "));
  }

  // Exactly Qt's font and settings noise, as Qt writes it, in its default category.
  void dropsOnlyQtsNoise_data() {
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("dropped");
    const QString openType = "  OpenType support missing for \"Lohit Devanagari\", script 11";
    QTest::newRow("OpenType") << QByteArray("default") << openType << true;
    QTest::newRow("user type") << QByteArray("default") << "QVariant::load: unknown user type X"
                               << true;
    QTest::newRow("another warning") << QByteArray("default") << "QFont: Point size <= 0" << false;
    QTest::newRow("another category") << QByteArray("qt.qpa.fonts") << openType << false;
    QTest::newRow("inside another") << QByteArray("default") << "note:" + openType << false;
  }
  void dropsOnlyQtsNoise() {
    QFETCH(QByteArray, category);
    QFETCH(QString, warning);
    QFETCH(bool, dropped);
    QCOMPARE(ui::IsQtNoise(QtWarningMsg, category.constData(), warning), dropped);
    QVERIFY(!ui::IsQtNoise(QtCriticalMsg, category.constData(), warning));
  }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"

// Qt's warnings the program drops, and only those: every other message goes on to the handler
// that was there before (here the test's own, which records what reaches it).

#include "ui/common/qt_messages.h"

#include <QtTest>

namespace {

QStringList reached;

void Record(QtMsgType, const QMessageLogContext&, const QString& message) {
  reached << message;
}

// As Qt writes it, indented.
const QString kOpenType =
    QStringLiteral("  OpenType support missing for \"Lohit Devanagari\", script 11");

}  // namespace

class QtMessagesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    qInstallMessageHandler(Record);
    ui::DropQtNoise();
  }

  void dropsOnlyQtsNoise_data() {
    QTest::addColumn<QByteArray>("category");
    QTest::addColumn<bool>("critical");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("dropped");
    QTest::newRow("OpenType, Devanagari") << QByteArray("default") << false << kOpenType << true;
    QTest::newRow("OpenType, Tamil")
        << QByteArray("default") << false
        << "OpenType support missing for \"Lohit Tamil\", script 18" << true;
    QTest::newRow("unknown user type")
        << QByteArray("default") << false
        << "QVariant::load: unknown user type with name QList<Foo>." << true;
    QTest::newRow("another warning") << QByteArray("default") << false
                                     << "QFont::setPointSizeF: Point size <= 0 (0.000000)" << false;
    QTest::newRow("the text in another category")
        << QByteArray("qt.qpa.fonts") << false << kOpenType << false;
    QTest::newRow("the text as a critical") << QByteArray("default") << true << kOpenType << false;
    QTest::newRow("the text inside another")
        << QByteArray("default") << false << "note:" + kOpenType << false;
  }
  void dropsOnlyQtsNoise() {
    QFETCH(QByteArray, category);
    QFETCH(bool, critical);
    QFETCH(QString, message);
    QFETCH(bool, dropped);
    reached.clear();
    QMessageLogger logger(nullptr, 0, nullptr, category.constData());
    if (critical)
      logger.critical("%s", qPrintable(message));
    else
      logger.warning("%s", qPrintable(message));
    QCOMPARE(reached, dropped ? QStringList() : QStringList{message});
  }
};

QTEST_GUILESS_MAIN(QtMessagesTest)
#include "qt_messages_test.moc"

// The translation sources (translations/*.ts) as Qt Linguist and lrelease read them: well
// formed, of the language their name says, with no entry the sources no longer hold, and
// (once the translations are written) no entry left unfinished.

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

const QString kDirectory = QStringLiteral(OPC_TRANSLATIONS_DIR);

struct Entries {
  QString language;
  int messages = 0;
  QStringList unfinished, obsolete;  // "context: source"
  QString error;                     // the reader's, where the file is not well formed
};

Entries Read(const QString& path) {
  Entries entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    entries.error = file.errorString();
    return entries;
  }
  QXmlStreamReader xml(&file);
  QString context, source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("TS")) {
      entries.language = xml.attributes().value(QLatin1String("language")).toString();
    } else if (xml.name() == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (xml.name() == QLatin1String("message")) {
      ++entries.messages;
    } else if (xml.name() == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (xml.name() == QLatin1String("translation")) {
      const QStringView type = xml.attributes().value(QLatin1String("type"));
      const QString what = context + QStringLiteral(": ") + source;
      if (type == QLatin1String("unfinished")) entries.unfinished << what;
      if (type == QLatin1String("obsolete") || type == QLatin1String("vanished"))
        entries.obsolete << what;
    }
  }
  if (xml.hasError()) entries.error = xml.errorString();
  return entries;
}

}  // namespace

void Files() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("language");
  QTest::newRow("Hindi") << "orvel-pataki-chakra_hi.ts"
                         << "hi";
  QTest::newRow("Tamil") << "orvel-pataki-chakra_ta.ts"
                         << "ta";
}

class TranslationsTest : public QObject {
  Q_OBJECT

 private slots:
  void wellFormedWithNoObsoleteEntry_data() { Files(); }
  void wellFormedWithNoObsoleteEntry() {
    QFETCH(QString, file);
    QFETCH(QString, language);
    const Entries entries = Read(kDirectory + QLatin1Char('/') + file);
    QVERIFY2(entries.error.isEmpty(), qPrintable(entries.error));
    QCOMPARE(entries.language, language);
    QVERIFY2(entries.messages > 0, "no entries: run the update_translations target");
    QVERIFY2(entries.obsolete.isEmpty(), qPrintable(entries.obsolete.join('\n')));
  }

  void everyEntryFinished_data() { Files(); }
  void everyEntryFinished() {
    if (qEnvironmentVariableIsEmpty("OPC_REQUIRE_FINISHED_TRANSLATIONS"))
      QSKIP("run as ui.translations_finished, once the translations are written");
    QFETCH(QString, file);
    const Entries entries = Read(kDirectory + QLatin1Char('/') + file);
    QVERIFY2(entries.error.isEmpty(), qPrintable(entries.error));
    QVERIFY2(entries.unfinished.isEmpty(), qPrintable(QStringLiteral("%1 unfinished, the first: %2")
                                                          .arg(entries.unfinished.size())
                                                          .arg(entries.unfinished.value(0))));
  }
};

QTEST_MAIN(TranslationsTest)
#include "translations_test.moc"

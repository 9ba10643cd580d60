// The translation sources (translations/*.ts) as Qt Linguist and lrelease read them: well
// formed, of the language their name says, with no entry the sources no longer hold, and
// (once the translations are written) no entry left unfinished.

#include <QFile>
#include <QXmlStreamReader>
#include <QtTest>
#include <algorithm>
#include <chrono>

#include "core/form_entries.h"
#include "core/words.h"
#include "core/zone_table.h"
#include "places/clock_status.h"
#include "ui/common/language.h"

namespace {

const QString kDirectory = QStringLiteral(OPC_TRANSLATIONS_DIR);

struct Entries {
  QString language;
  int messages = 0;
  QSet<QString> sources;             // "context: source"
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
      entries.sources.insert(context + QStringLiteral(": ") + source);
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

std::chrono::local_seconds Noon(int month) {
  using namespace std::chrono;
  return local_days{year{1990} / month / 15} + hours{12};
}

// The templates `words` is built from, as "context: source" keys (a month's name is a Months
// text).
void CollectTemplates(const core::Words& words, QSet<QString>& keys) {
  if (!words.translated) return;
  const QString source = QString::fromStdString(words.pattern);
  const bool month = std::find(core::kMonthNames.begin(), core::kMonthNames.end(), words.pattern) !=
                     core::kMonthNames.end();
  keys.insert((month ? QStringLiteral("Months: ") : QStringLiteral("ClockStatus: ")) + source);
  for (const core::Words& part : words.parts) CollectTemplates(part, keys);
}

// Clocks of every kind the status sentence tells.
std::vector<places::BirthClock> EveryKindOfClock() {
  std::vector<places::BirthClock> clocks;
  const auto add = [&clocks](auto change) {
    places::BirthClock clock;
    clock.offsetSeconds = 19800;
    clock.ahead = false;
    change(clock);
    clocks.push_back(clock);
  };
  add([](places::BirthClock&) {});
  add([](places::BirthClock& c) { c.ahead = true, c.aheadSeconds = 3600; });
  add([](places::BirthClock& c) { c.ahead = true, c.aheadSeconds = 1800; });
  add([](places::BirthClock& c) { c.ahead = true, c.aheadSeconds = 7200; });
  add([](places::BirthClock& c) { c.ahead = true, c.aheadSeconds = 3600, c.warTime = true; });
  add([](places::BirthClock& c) {
    c.ahead = true, c.aheadSeconds = 3600, c.warTime = true, c.keptAllYear = true;
  });
  add([](places::BirthClock& c) { c.ahead = true, c.aheadSeconds = 3600, c.keptAllYear = true; });
  add([](places::BirthClock& c) { c.behind = true, c.abbreviation = "GMT"; });
  add([](places::BirthClock& c) { c.behind = true; });
  add([](places::BirthClock& c) { c.localMeanTime = true; });
  add([](places::BirthClock& c) { c.kind = places::ClockKind::Skipped; });
  add([](places::BirthClock& c) { c.kind = places::ClockKind::Repeated; });
  add([](places::BirthClock& c) { c.kind = places::ClockKind::Repeated, c.later = true; });
  for (const char* error : {"no clock history for this zone", "the date lies outside 1800-2399",
                            "the longitude lies outside -180..180 degrees"})
    add([error](places::BirthClock& c) { c.error = error; });
  return clocks;
}

}  // namespace

void Files() {
  QTest::addColumn<QString>("file");
  QTest::addColumn<QString>("language");
  for (const ui::Language l : ui::TranslatedLanguages())
    QTest::newRow(qPrintable(ui::LanguageCode(l)))
        << ui::FromTable(ui::RowOf(l).translation) << ui::LanguageCode(l);
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

  // The library's texts shown through the translations are listed for lupdate by hand
  // (ui/common/library_texts.cpp): every row of the zone table and every month is there.
  void holdsTheLibrarysListedTexts_data() { Files(); }
  void holdsTheLibrarysListedTexts() {
    QFETCH(QString, file);
    const Entries entries = Read(kDirectory + QLatin1Char('/') + file);
    for (const core::ZoneRow& row : core::ZoneTable()) {
      const QString key = QStringLiteral("Zones: ") +
                          QString::fromUtf8(row.text.data(), qsizetype(row.text.size()));
      QVERIFY2(entries.sources.contains(key), qPrintable(key));
    }
    for (const std::string_view month : core::kMonthNames) {
      const QString key =
          QStringLiteral("Months: ") + QString::fromUtf8(month.data(), qsizetype(month.size()));
      QVERIFY2(entries.sources.contains(key), qPrintable(key));
    }
    // The clock sentences' templates, in summer and in winter of each half of the world.
    QSet<QString> templates;
    for (const places::BirthClock& clock : EveryKindOfClock())
      for (const auto& [month, latitude] : {std::pair{1, 28.6}, {7, 28.6}, {1, -33.9}})
        CollectTemplates(
            places::ClockStatusWords(
                {"Delhi", Noon(month), "Asia/Kolkata", "2026f", 77.2, latitude}, clock),
            templates);
    for (const QString& key : templates) QVERIFY2(entries.sources.contains(key), qPrintable(key));
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

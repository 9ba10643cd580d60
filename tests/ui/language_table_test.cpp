// Each row of the language table against what it promises outside the code: its translation
// and glossary, its typeface installed by the package it names, which the Makefile and the build
// list, and its locales real and selecting it.

#include <QFontDatabase>
#include <QLocale>
#include <QProcess>
#include <QtTest>

#include "ui/common/language.h"

using ui::Language;

// The families of the fonts a Debian package installs.
static QStringList FamiliesOf(const QString& package) {
  QProcess files;
  files.start("dpkg-query", {"-L", package});
  files.waitForFinished();
  QStringList families;
  for (const QString& path : QString(files.readAllStandardOutput()).split('\n'))
    if (path.endsWith(".ttf") || path.endsWith(".otf"))
      families << QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path));
  return families;
}

Q_DECLARE_METATYPE(Language)

class LanguageTableTest : public QObject {
  Q_OBJECT

 private slots:
  void rowHoldsTrue_data() {
    QTest::addColumn<Language>("language");
    for (const Language language : ui::kLanguages)
      QTest::newRow(qPrintable(ui::LanguageCode(language))) << language;
  }
  void rowHoldsTrue() {
    QFETCH(Language, language);
    const ui::LanguageRow& row = ui::RowOf(language);
    QVERIFY(ui::UseLanguage(language) && ui::UseLanguage(Language::English));
    for (const std::string_view name : row.locales)
      if (const QString locale = ui::FromTable(name); !locale.isEmpty()) {
        QCOMPARE(QLocale(locale).name(), locale);  // a locale Qt's data knows
        QCOMPARE(ui::DesktopLanguage([&locale](const char*) { return locale; }), language);
      }
    if (!row.translation.empty())
      QVERIFY(QFile::exists(QStringLiteral(OPC_SOURCE_DIR "/translations/glossary-%1.md")
                                .arg(ui::LanguageCode(language))));
    if (row.fontPackage.empty()) return;
    const QString family = ui::FromTable(row.fontFamily), package = ui::FromTable(row.fontPackage);
    QVERIFY2(FamiliesOf(package).contains(family), qPrintable(package + " installs no " + family));
    QFile makefile(OPC_SOURCE_DIR "/Makefile");
    QVERIFY(makefile.open(QIODevice::ReadOnly) && makefile.readAll().contains(package.toUtf8()));
    QVERIFY(QString(OPC_BUILT_FONT_PACKAGES).split(',').contains(package));
  }
};

QTEST_MAIN(LanguageTableTest)
#include "language_table_test.moc"

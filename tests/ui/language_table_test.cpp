// Each row of the language table against what it promises outside the code: its translation
// built in and its glossary written, its typeface installed by the package it names, which the
// Makefile and the build list, its locales real and selecting it, the desktop files in it.

#include <QFontDatabase>
#include <QLocale>
#include <QProcess>
#include <QtTest>

#include "ui/common/language.h"

using ui::FromTable;
using ui::Language;

namespace {

QString Source(const char* path) {
  QFile file(QStringLiteral(OPC_SOURCE_DIR "/") + QLatin1String(path));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The families of the fonts a Debian package installs.
QStringList FamiliesOf(const QString& package) {
  QProcess files;
  files.start(QStringLiteral("dpkg-query"), {QStringLiteral("-L"), package});
  files.waitForFinished();
  QStringList families;
  for (const QString& path : QString::fromUtf8(files.readAllStandardOutput()).split('\n'))
    if (path.endsWith(QLatin1String(".ttf")) || path.endsWith(QLatin1String(".otf")))
      families << QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path));
  return families;
}

}  // namespace

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
    const QString code = ui::LanguageCode(language);
    QVERIFY(ui::UseLanguage(language) && ui::UseLanguage(Language::English));
    for (const std::string_view name : row.locales)
      if (const QString locale = FromTable(name); !locale.isEmpty()) {
        QCOMPARE(QLocale(locale).name(), locale);  // a locale Qt's data knows
        QCOMPARE(ui::DesktopLanguage([&locale](const char*) { return locale; }), language);
      }
    if (!row.fontPackage.empty()) {
      const QString family = FromTable(row.fontFamily), package = FromTable(row.fontPackage);
      QVERIFY2(QFontDatabase::families().contains(family), qPrintable(family));
      QVERIFY2(FamiliesOf(package).contains(family), qPrintable(package));
      QVERIFY2(Source("Makefile").contains(package), qPrintable(package));
      QVERIFY(QStringLiteral(OPC_BUILT_FONT_PACKAGES).split(',').contains(package));
    }
    if (row.translation.empty()) return;
    QVERIFY(QFile::exists(QStringLiteral(OPC_SOURCE_DIR "/translations/glossary-%1.md").arg(code)));
    for (const char* key : {"Name", "GenericName", "Comment", "Keywords"})
      QVERIFY2(Source("packaging/com.orvelsoftware.patakichakra.desktop")
                   .contains(QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), code)),
               key);
    for (const char* key : {"name", "summary"})
      QVERIFY2(Source("packaging/com.orvelsoftware.patakichakra.metainfo.xml")
                   .contains(QStringLiteral("<%1 xml:lang=\"%2\">").arg(QLatin1String(key), code)),
               key);
  }
};

QTEST_MAIN(LanguageTableTest)
#include "language_table_test.moc"

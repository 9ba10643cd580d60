// Each row of the language table against what it promises outside the code: its translation
// built into the program and its glossary written, its script's typeface installed by the
// package it names and that package installed by the Makefile and the build's list, its locales
// real and selecting it, the desktop entry and the AppStream metadata in it.

#include <QFile>
#include <QFontDatabase>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "ui/common/language.h"

namespace {

using ui::FromTable;
using ui::Language;
using ui::RowOf;

const QString kSource = QStringLiteral(OPC_SOURCE_DIR);

QString Text(const QString& path) {
  QFile file(kSource + QLatin1Char('/') + path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The packages of the Makefile's PACKAGES list, which `make` installs.
QStringList MakefilePackages() {
  const QRegularExpression list(QStringLiteral(R"(\nPACKAGES :=((?:[^\n]*\\\n)*[^\n]*))"));
  return list.match(Text(QStringLiteral("Makefile")))
      .captured(1)
      .remove(QLatin1Char('\\'))
      .split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
}

}  // namespace

Q_DECLARE_METATYPE(Language)

class LanguageTableTest : public QObject {
  Q_OBJECT

  static void Rows() {
    QTest::addColumn<Language>("language");
    for (const Language language : ui::kLanguages)
      QTest::newRow(qPrintable(ui::LanguageCode(language))) << language;
  }

 private slots:
  void cleanup() { ui::UseLanguage(Language::English); }

  void translationBuiltInWithItsGlossary_data() { Rows(); }
  void translationBuiltInWithItsGlossary() {
    QFETCH(Language, language);
    QVERIFY(ui::UseLanguage(language));
    QCOMPARE(ui::CurrentLanguage(), language);
    if (language != Language::English)
      QVERIFY(QFile::exists(
          kSource +
          QStringLiteral("/translations/glossary-%1.md").arg(ui::LanguageCode(language))));
  }

  void typefaceInstalledByItsPackage_data() { Rows(); }
  void typefaceInstalledByItsPackage() {
    QFETCH(Language, language);
    const QString family = FromTable(RowOf(language).fontFamily);
    const QString package = FromTable(RowOf(language).fontPackage);
    if (family.isEmpty()) QSKIP("drawn in the Latin typeface");
    QVERIFY2(QFontDatabase::families().contains(family), qPrintable(family));
    QVERIFY2(MakefilePackages().contains(package), qPrintable(package));
    QProcess files;
    files.start(QStringLiteral("dpkg-query"), {QStringLiteral("-L"), package});
    if (!files.waitForFinished() || files.exitCode() != 0) QSKIP("no dpkg-query here");
    QStringList families;
    for (const QString& path : QString::fromUtf8(files.readAllStandardOutput()).split('\n'))
      if (path.endsWith(QLatin1String(".ttf")) || path.endsWith(QLatin1String(".otf")))
        families << QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(path));
    QVERIFY2(families.contains(family), qPrintable(families.join(", ")));
  }

  // Each a locale Qt's data knows, of the language, and the desktop's language where it is set.
  void localesSelectTheLanguage_data() { Rows(); }
  void localesSelectTheLanguage() {
    QFETCH(Language, language);
    for (const std::string_view name : RowOf(language).locales) {
      if (name.empty()) continue;
      const QString locale = FromTable(name);
      QCOMPARE(QLocale(locale).name(), locale);
      QCOMPARE(QLocale(locale).language(), QLocale(ui::LanguageCode(language)).language());
      QCOMPARE(ui::DesktopLanguage([&locale](const char* variable) {
                 return qstrcmp(variable, "LANG") == 0 ? locale + QStringLiteral(".UTF-8")
                                                       : QString();
               }),
               language);
    }
  }

  void desktopEntryAndMetadataInTheLanguage_data() { Rows(); }
  void desktopEntryAndMetadataInTheLanguage() {
    QFETCH(Language, language);
    if (language == Language::English) QSKIP("the entries' own language");
    const QString code = ui::LanguageCode(language);
    const QString entry = Text(QStringLiteral("packaging/com.orvelsoftware.patakichakra.desktop"));
    for (const char* key : {"Name", "GenericName", "Comment", "Keywords"})
      QVERIFY2(entry.contains(QStringLiteral("\n%1[%2]=").arg(QLatin1String(key), code)), key);
    const QString metadata =
        Text(QStringLiteral("packaging/com.orvelsoftware.patakichakra.metainfo.xml"));
    for (const char* element : {"name", "summary"})
      QVERIFY2(metadata.contains(
                   QStringLiteral("<%1 xml:lang=\"%2\">").arg(QLatin1String(element), code)),
               element);
  }

  // The build reads the table's text (ui/CMakeLists.txt): every row's translation file and
  // font package, and nothing else.
  void theBuildReadsEveryRow() {
    QStringList translations, packages;
    for (const Language language : ui::kLanguages) {
      if (!RowOf(language).translation.empty())
        translations << kSource + QStringLiteral("/translations/") +
                            FromTable(RowOf(language).translation);
      const QString package = FromTable(RowOf(language).fontPackage);
      if (!package.isEmpty() && !packages.contains(package)) packages << package;
    }
    QCOMPARE(QStringLiteral(OPC_BUILT_TS_FILES).split(',', Qt::SkipEmptyParts), translations);
    QCOMPARE(QStringLiteral(OPC_BUILT_FONT_PACKAGES).split(',', Qt::SkipEmptyParts), packages);
  }
};

QTEST_MAIN(LanguageTableTest)
#include "language_table_test.moc"

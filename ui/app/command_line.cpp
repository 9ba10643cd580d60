#include "ui/app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include "ui/common/language.h"

namespace ui {
namespace {

const QString kProgram = QStringLiteral("orvel-pataki-chakra");

// Options QApplication itself reads (see QGuiApplication's and QApplication's constructor
// documentation): the parser accepts them so that `-platform offscreen` still starts the
// program, and leaves them in argv for QApplication.
constexpr const char* kQtOptionsWithValue[] = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr const char* kQtFlags[] = {"reverse", "widgetcount", "nograb", "dograb", "sync"};

// "en (English, the default), hi (Hindi) or ta (Tamil)".
QString LanguageChoices() {
  QStringList choices;
  for (const Language language : kLanguages)
    choices << QStringLiteral("%1 (%2%3)")
                   .arg(
                       LanguageCode(language), FromTable(RowOf(language).englishName),
                       language == Language::English ? QStringLiteral(", the default") : QString());
  return OneOf(choices);
}

struct Options {
  QCommandLineOption help{{"h", "help"}, "Show this help and exit."};
  QCommandLineOption version{{"v", "version"}, "Show the version and exit."};
  QCommandLineOption pdf{"pdf", "Write the reading of FILE as a PDF to OUT and exit.", "OUT"};
  QCommandLineOption png{"png", "Write the chart of FILE as a PNG picture to OUT and exit.", "OUT"};
  QCommandLineOption language{
      "language", QStringLiteral("Write in LANGUAGE: %1.").arg(LanguageChoices()), "LANGUAGE"};
};

void Configure(QCommandLineParser& parser, const Options& options) {
  // Qt's options come with one dash (-platform); read every word after one dash as one name.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser.setApplicationDescription(
      "Pataki Chakra reading of a natal chart by Vedic (sidereal) astrology.\n"
      "Without options the program opens its window; with FILE it opens those birth details.");
  parser.addOptions({options.help, options.version, options.pdf, options.png, options.language});
  for (const char* name : kQtOptionsWithValue) {
    QCommandLineOption qt(QString::fromLatin1(name), QString(), QStringLiteral("value"));
    qt.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qt);
  }
  for (const char* name : kQtFlags) {
    QCommandLineOption qt(QString::fromLatin1(name));
    qt.setFlags(QCommandLineOption::HiddenFromHelp);
    parser.addOption(qt);
  }
  parser.addPositionalArgument("FILE", "Birth details to open (*.opc.json).", "[FILE]");
}

}  // namespace

CommandLine ParseCommandLine(const QStringList& arguments) {
  Options options;
  QCommandLineParser parser;
  Configure(parser, options);
  CommandLine line;
  if (!parser.parse(arguments)) {
    line.error = parser.errorText();
    return line;
  }
  line.help = parser.isSet(options.help);
  line.version = parser.isSet(options.version);
  line.pdfOut = parser.value(options.pdf);
  line.pngOut = parser.value(options.png);
  line.language = parser.value(options.language);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1) {
    line.error = QStringLiteral("Give one birth-details file, not %1.").arg(files.size());
  } else if (files.size() == 1) {
    line.file = files.front();
  }
  if (line.error.isEmpty() && parser.isSet(options.pdf) && parser.isSet(options.png)) {
    line.error = QStringLiteral("Give --pdf or --png, not both.");
  }
  for (const QCommandLineOption* output : {&options.pdf, &options.png}) {
    if (line.error.isEmpty() && parser.isSet(*output) && parser.value(*output).isEmpty())
      line.error =
          QStringLiteral("--%1 needs the name of the file to write.").arg(output->names().front());
    if (line.error.isEmpty() && parser.values(*output).size() > 1)
      line.error =
          QStringLiteral("Give --%1 once: it writes one file.").arg(output->names().front());
  }
  if (line.error.isEmpty() && parser.isSet(options.language) && line.language.isEmpty())
    line.error = QStringLiteral("--language needs a language: %1.").arg(LanguageCodeList());
  if (line.error.isEmpty() && line.file.isEmpty() &&
      (parser.isSet(options.pdf) || parser.isSet(options.png))) {
    line.error = QStringLiteral("--pdf and --png need a birth-details FILE to read.");
  }
  return line;
}

QString HelpText() {
  Options options;
  QCommandLineParser parser;
  Configure(parser, options);
  // helpText() names the program by QCoreApplication's arguments, which do not exist yet.
  QString text = parser.helpText();
  const qsizetype end = text.indexOf(QLatin1Char('\n'));
  return QStringLiteral("Usage: %1 [options] [FILE]").arg(kProgram) + text.mid(end);
}

QString VersionText() {
  return kProgram + QLatin1Char(' ') + QStringLiteral(OPC_VERSION) + '\n';
}

}  // namespace ui

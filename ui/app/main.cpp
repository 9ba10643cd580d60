#include <QApplication>
#include <QIcon>
#include <QPixmapCache>
#include <QStyle>
#include <csignal>
#include <cstdio>

#include "ui/app/command_line.h"
#include "ui/app/program.h"
#include "ui/app/program_style.h"
#include "ui/app/single_copy.h"
#include "ui/common/language.h"
#include "ui/common/look.h"
#include "ui/common/qt_messages.h"
#include "ui/common/quoted.h"
#include "ui/common/services.h"
#include "ui/output/headless_export.h"

namespace {

constexpr int kPixmapCacheKiB = 64;

}  // namespace

int main(int argc, char** argv) {
  // The command line is answered before QApplication exists, so --help and --version work
  // without a display.
  // A write over the file-size limit (ulimit -f) then fails with a message like any other,
  // instead of ending the program without a word.
  std::signal(SIGXFSZ, SIG_IGN);
  ui::DropQtNoise();
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const ui::CommandLine options = ui::ParseCommandLine(arguments);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "orvel-pataki-chakra: %s\nTry 'orvel-pataki-chakra --help'.\n",
                 options.error.toLocal8Bit().constData());
    return 2;
  }
  if (options.help || options.version) {
    std::fputs((options.help ? ui::HelpText() : ui::VersionText()).toLocal8Bit().constData(),
               stdout);
    return 0;
  }
  // --language names one of the program's languages; for the window it holds for this run
  // only, over the kept choice and the desktop's.
  const std::optional<ui::Language> language = ui::LanguageFromCode(options.language);
  if (!options.language.isEmpty() && !language) {
    std::fprintf(stderr,
                 "orvel-pataki-chakra: --language %s: not a language of the program (%s).\n",
                 ui::Quoted(options.language).toLocal8Bit().constData(),
                 ui::LanguageCodeList().toLocal8Bit().constData());
    return 1;
  }
  // --pdf and --png write a saved reading without a window, before any desktop is touched.
  if (!options.pdfOut.isEmpty() || !options.pngOut.isEmpty()) {
    const bool pdf = !options.pdfOut.isEmpty();
    const ui::ExportRequest request{
        pdf ? ui::ExportRequest::Kind::Pdf : ui::ExportRequest::Kind::Png,
        pdf ? options.pdfOut : options.pngOut, options.file,
        language.value_or(ui::Language::English)};
    return ui::RunHeadlessExport(argc, argv, request);
  }

  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("orvel-pataki-chakra"));
  QApplication::setDesktopFileName(QStringLiteral("com.orvelsoftware.patakichakra"));
  // The style keeps every piece of a control it draws in Qt's pixmap cache (10 MiB at most),
  // to draw it faster the next time. The windows are drawn whole once and then only in small
  // parts, so a small cache is as fast and takes less memory.
  QPixmapCache::setCacheLimit(kPixmapCacheKiB);
  ui::UseScreenTextStrategy();
  ui::UseLanguage(language ? *language
                           : ui::LoadLanguagePreference().value_or(ui::DesktopLanguage()));
  // Over the style the user or the desktop chose (-style, QT_STYLE_OVERRIDE, the platform).
  QApplication::setStyle(new ui::ProgramStyle(QApplication::style()->name()));
  QApplication::setWindowIcon(ui::ReadPng(QStringLiteral(":/icons/orvel-pataki-chakra.png")));
  // The program ends on Exit or when either window is closed, not when the form is hidden.
  QApplication::setQuitOnLastWindowClosed(false);

  ui::MessageBoxDialogs dialogs;
  ui::DesktopLinkOpener links;
  ui::LockFileInstanceGuard guard;
  if (!ui::ClaimOrHandOver(guard, dialogs, options.file)) return 0;

  ui::Program program(dialogs, links);
  // A file opened by a later start (a double click in the file manager) comes here.
  guard.ListenForFiles([&program](const QString& path) { return program.HandOver(path); });
  QObject::connect(&program, &ui::Program::finished, &app, &QApplication::quit,
                   Qt::QueuedConnection);
  program.Start();
  // A birth-details file named on the command line fills the form.
  if (!options.file.isEmpty()) program.OpenBirthDetails(options.file);
  return app.exec();
}

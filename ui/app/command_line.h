#pragma once
// The command line, read before any window or QApplication exists, so --help and --version
// answer on a machine without a display.

#include <QString>
#include <QStringList>

namespace ui {

struct CommandLine {
  bool help = false;
  bool version = false;
  QString pdfOut;    // --pdf OUT: write the reading of `file` as a PDF, no window
  QString pngOut;    // --png OUT: write the chart of `file` as a PNG, no window
  QString file;      // a birth-details file (*.opc.json) to open, or to export from
  QString language;  // --language CODE as given (en, hi, ta); empty when absent
  QString error;     // non-empty: the line is wrong; print it and the usage, exit 2
};

// `arguments` as from argv, the program's name first. Qt's own options (-platform, -style,
// ...) are accepted and left for QApplication to act on.
CommandLine ParseCommandLine(const QStringList& arguments);

// The text for --help and for --version, each ending in a newline.
QString HelpText();
QString VersionText();

}  // namespace ui

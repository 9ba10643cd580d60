#pragma once
// The reading of a saved birth-details file written as a PDF or a chart picture, without a
// window: `orvel-pataki-chakra --pdf OUT.pdf FILE` or `--png OUT.png FILE`. It runs on Qt's
// offscreen platform of its own accord and takes no single-instance lock.

#include <QString>
#include <QStringList>
#include <optional>

#include "ui/common/language.h"

namespace ui {

struct ExportRequest {
  enum class Kind { Pdf, Png };
  Kind kind = Kind::Pdf;
  QString output;  // empty when the option came without its file
  QString input;   // empty when no birth-details file was named
  Language language = Language::English;
};

// Makes the application object itself, runs the reading of the file and writes the output.
// Returns 0 when written; otherwise prints the file's name and what is wrong on standard error,
// writes nothing and returns non-zero.
int RunHeadlessExport(int& argc, char** argv, const ExportRequest& request);

}  // namespace ui

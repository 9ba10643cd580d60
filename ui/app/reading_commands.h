#pragma once
// Keeping and sharing the reading shown in the frame: print it, export it as a PDF, save the
// chart as a picture, save the birth details that produced it. Printers and PDF writers exist
// only while one of these runs.

#include "ui/output/kept_reading.h"

class QMainWindow;

namespace ui {

class BirthDetailsCommands;
class Dialogs;
class FileDialogs;

// Adds the items to the frame's File menu, above Back; they work on `reading`, a copy kept by
// the frame for as long as it lives.
void AddReadingCommands(QMainWindow& frame, KeptReading reading, Dialogs& dialogs,
                        FileDialogs& files, BirthDetailsCommands& details);

}  // namespace ui

#pragma once
// One copy of the program at a time: a later start hands its file to the running copy, which
// opens it, or says that the program is already running.

#include <QString>

namespace ui {

class Dialogs;
class InstanceGuard;

// Whether this start goes on to open its windows. When another copy runs, `file` (if any) is
// handed to it as an absolute path; without a file, or when the running copy does not take it,
// the person is told the program is already running (naming the file that was not opened).
bool ClaimOrHandOver(InstanceGuard& guard, Dialogs& dialogs, const QString& file);

}  // namespace ui

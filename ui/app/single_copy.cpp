#include "ui/app/single_copy.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "ui/common/quoted.h"
#include "ui/common/services.h"

namespace ui {

bool ClaimOrHandOver(InstanceGuard& guard, Dialogs& dialogs, const QString& file) {
  if (!guard.AnotherIsRunning()) return true;
  QString message = QCoreApplication::translate("SingleCopy", "Application is already running");
  if (!file.isEmpty()) {
    // The running copy has a working folder of its own.
    const QString path = QFileInfo(file).absoluteFilePath();
    if (guard.HandOver(path)) return false;
    message += QStringLiteral("\n\n\"%1\" was not opened: the running copy did not answer.")
                   .arg(Quoted(QDir::toNativeSeparators(path)));
  }
  dialogs.ShowMessage(nullptr, message, reading::MessageIcon::Information);
  return false;
}

}  // namespace ui

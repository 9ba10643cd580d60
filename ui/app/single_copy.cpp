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
    const QString shown = Quoted(QDir::toNativeSeparators(path));
    switch (guard.HandOver(path)) {
      case HandOverAnswer::Taken:
        return false;
      case HandOverAnswer::Queued:
        dialogs.ShowMessage(nullptr,
                            QCoreApplication::translate("SingleCopy",
                                                        "The running copy has a dialog open: "
                                                        "\"%1\" will be opened once it is closed.")
                                .arg(shown),
                            reading::MessageIcon::Information);
        return false;
      case HandOverAnswer::Busy:
        message += QStringLiteral("\n\n") +
                   QCoreApplication::translate("SingleCopy",
                                               "\"%1\" was not opened: the running copy has too "
                                               "many files waiting. Try again once it has opened "
                                               "them.")
                       .arg(shown);
        break;
      case HandOverAnswer::NoAnswer:
        message += QStringLiteral("\n\n") +
                   QCoreApplication::translate(
                       "SingleCopy", "\"%1\" was not opened: the running copy did not answer.")
                       .arg(shown);
        break;
    }
  }
  dialogs.ShowMessage(nullptr, message, reading::MessageIcon::Information);
  return false;
}

}  // namespace ui

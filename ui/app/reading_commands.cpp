#include "ui/app/reading_commands.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QStandardPaths>

#include "ui/app/birth_details_commands.h"
#include "ui/common/language.h"
#include "ui/common/services.h"
#include "ui/output/chart_picture.h"
#include "ui/output/file_dialogs.h"
#include "ui/output/reading_page.h"

namespace ui {

namespace {

// Lives with the frame and holds its reading.
class ReadingCommands : public QObject {
 public:
  ReadingCommands(QMainWindow& frame, KeptReading reading, Dialogs& dialogs, FileDialogs& files)
      : QObject(&frame),
        frame_(frame),
        reading_(std::move(reading)),
        dialogs_(dialogs),
        files_(files) {}

  const KeptReading& Reading() const { return reading_; }

  void Print() {
    const auto problem = files_.Print(
        &frame_, [this](QPagedPaintDevice& printer) { PaintReadingPages(printer, reading_); });
    if (problem) dialogs_.ShowMessage(&frame_, *problem, reading::MessageIcon::Error);
  }

  void ExportPdf() {
    Export(QCoreApplication::translate("ReadingCommands", "Export PDF"), QStringLiteral(".pdf"),
           QStringLiteral("PDF (*.pdf)"),
           [this](const QString& path) { return WriteReadingPdf(path, reading_); });
  }

  void SaveChart() {
    Export(QCoreApplication::translate("ReadingCommands", "Save Chart Image"),
           QStringLiteral(" chart.png"),
           QCoreApplication::translate("ReadingCommands", "PNG image (*.png)"),
           [this](const QString& path) { return WriteChartPng(path, reading_); });
  }

 private:
  template <typename Write>
  void Export(const QString& caption, const QString& suffix, const QString& filter, Write write) {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    QString path = files_.SaveFileName(
        &frame_, caption, QDir(folder).filePath(ReadingFileName(reading_, suffix)), filter);
    if (path.isEmpty()) return;
    const QString extension = suffix.mid(suffix.lastIndexOf(QLatin1Char('.')));
    if (!path.endsWith(extension, Qt::CaseInsensitive)) path += extension;
    if (auto error = write(path))
      dialogs_.ShowMessage(&frame_, *error, reading::MessageIcon::Error);
  }

  QMainWindow& frame_;
  KeptReading reading_;
  Dialogs& dialogs_;
  FileDialogs& files_;
};

QAction* Item(QMenu& menu, QAction* before, const char* text, const char* name,
              const QKeySequence& keys = {}) {
  auto* action = new QAction(&menu);
  SetTranslated(action, "text", "ReadingCommands", text);
  action->setObjectName(QLatin1String(name));
  action->setShortcut(keys);
  menu.insertAction(before, action);
  return action;
}

}  // namespace

void AddReadingCommands(QMainWindow& frame, KeptReading reading, Dialogs& dialogs,
                        FileDialogs& files, BirthDetailsCommands& details) {
  auto* menu = frame.findChild<QMenu*>(QStringLiteral("mnuFile"));
  if (!menu) return;
  QAction* back = frame.findChild<QAction*>(QStringLiteral("mnuBack"));
  auto* commands = new ReadingCommands(frame, std::move(reading), dialogs, files);
  QObject::connect(Item(*menu, back, QT_TRANSLATE_NOOP("ReadingCommands", "&Print..."), "mnuPrint",
                        QKeySequence::Print),
                   &QAction::triggered, commands, [commands] { commands->Print(); });
  QObject::connect(Item(*menu, back, QT_TRANSLATE_NOOP("ReadingCommands", "&Export PDF..."),
                        "mnuExportPdf", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
                   &QAction::triggered, commands, [commands] { commands->ExportPdf(); });
  QObject::connect(Item(*menu, back, QT_TRANSLATE_NOOP("ReadingCommands", "Save &Chart Image..."),
                        "mnuSaveChart"),
                   &QAction::triggered, commands, [commands] { commands->SaveChart(); });
  details.AddSaveItem(*menu, back, &frame, commands->Reading().entries);
  menu->insertSeparator(back)->setObjectName(QStringLiteral("mnuKeepSep"));
}

}  // namespace ui

#include "ui/common/qt_messages.h"

#include <cstring>

namespace ui {

namespace {

QtMessageHandler previous = nullptr;

void Filter(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (IsQtNoise(type, context.category, message)) return;
  if (previous) previous(type, context, message);
}

}  // namespace

bool IsQtNoise(QtMsgType type, const char* category, const QString& message) {
  if (type != QtWarningMsg || (category && std::strcmp(category, "default") != 0)) return false;
  // Qt indents the first by two blanks; the rest of the text is matched as it is.
  const QString text = QStringView(message).trimmed().toString();
  return text.startsWith(QLatin1String("OpenType support missing for ")) ||
         text.startsWith(QLatin1String("QVariant::load: unknown user type"));
}

void DropQtNoise() {
  if (previous) return;  // installed once
  previous = qInstallMessageHandler(Filter);
}

}  // namespace ui

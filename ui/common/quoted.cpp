#include "ui/common/quoted.h"

#include <QCoreApplication>

#include "core/quoted_text.h"
#include "ui/common/filled_template.h"

namespace ui {

QString Quoted(const QString& text) {
  const core::QuotedText quoted = core::Quote(text.toStdString());
  const QString shown = QString::fromStdString(quoted.shown);
  if (!quoted.cut) return shown;
  //: the first letters of a long text, and its length in letters
  return Filled(QCoreApplication::translate("Messages", "%1… (%2 letters)"),
                {shown, QString::number(quoted.letters)});
}

}  // namespace ui

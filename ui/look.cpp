#include "ui/look.h"

#include <QFontDatabase>
#include <QWidget>

namespace ui {

QFont AppFont(qreal pointSize, bool bold) {
  static const QString family =
      QFontDatabase::families().contains(QStringLiteral("Verdana"))
          ? QStringLiteral("Verdana")
          : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  QFont font(family);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

void Paint(QWidget* widget, const QColor& background, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::Base, background);
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void SetTextColour(QWidget* widget, const QColor& text) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, text);
  palette.setColor(QPalette::Text, text);
  widget->setPalette(palette);
}

}  // namespace ui

#include "ui/look.h"

#include <QFontDatabase>
#include <QWidget>

namespace ui {

QFont AppFont(qreal pointSize, bool bold) {
  // Verdana where installed, else the system's sans: Qt takes the first family it has,
  // without listing every installed font at start-up.
  static const QStringList families = {
      QStringLiteral("Verdana"), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family()};
  QFont font;
  font.setFamilies(families);
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

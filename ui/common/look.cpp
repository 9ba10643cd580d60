#include "ui/common/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>

namespace ui {

QFont AppFont(qreal pointSize, bool bold) {
  // Verdana where installed, else the system's general typeface. Asking for Verdana where it
  // is absent would have fontconfig substitute a look-alike and Qt open a second font engine
  // (about 1 ms at start-up); QFontDatabase::hasFamily also runs that substitution. The list
  // of families is read from the font database Qt fills anyway, so the check costs nothing.
  static const QString family =
      QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
          ? QStringLiteral("Verdana")
          : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  QFont font(family);
  font.setStyleHint(QFont::SansSerif, kScreenTextStrategy);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

void UseScreenTextStrategy() {
  QFont general = QApplication::font();
  general.setStyleStrategy(kScreenTextStrategy);
  QApplication::setFont(general);
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

#include "ui/common/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <cmath>

#include "ui/common/language.h"

namespace ui {

QStringList WithScriptFamilies(QStringList families) {
  if (CurrentLanguage() != Language::English)
    families << QStringLiteral("Lohit Devanagari") << QStringLiteral("Lohit Tamil");
  return families;
}

QFont AppFont(qreal pointSize, bool bold) {
  // Verdana where installed, else the system's general typeface. Asking for Verdana where it
  // is absent would have fontconfig substitute a look-alike and Qt open a second font engine
  // at start-up; QFontDatabase::hasFamily also runs that substitution. The list
  // of families is read from the font database Qt fills anyway, so the check costs nothing.
  static const QString family =
      QFontDatabase::families().contains(QStringLiteral("Verdana"), Qt::CaseInsensitive)
          ? QStringLiteral("Verdana")
          : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  // Devanagari and Tamil come from the desktop's fallback (fontconfig: the Lohit fonts the
  // package depends on), and are shaped even under kScreenTextStrategy: PreferNoShaping leaves
  // out only what a script does not need, and these scripts need their conjuncts and signs.
  // Naming the Lohit families here would make every font's metrics theirs too (taller lines),
  // and move English text.
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

namespace {

// x^2.4 for x in (0, 1]: x² times the fifth root of x², by Newton's method from 1, which comes
// down to the root in a few steps, to the last bit. The mathematics library's pow would page in
// its tables (about 0.24 MiB) at start-up for this one check of a colour.
double PowerTwoPointFour(double x) {
  const double square = x * x;
  double root = 1.0;
  for (int step = 0; step < 64; ++step) {
    const double fourth = root * root * root * root;
    const double next = root - (root * fourth - square) / (5 * fourth);
    if (!(next < root)) break;
    root = next;
  }
  return square * root;
}

// Relative luminance (WCAG 2.1): the sRGB channels made linear and weighted.
double Luminance(const QColor& colour) {
  const auto linear = [](double c) {
    return c <= 0.04045 ? c / 12.92 : PowerTwoPointFour((c + 0.055) / 1.055);
  };
  const QColor rgb = colour.toRgb();
  return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) + 0.0722 * linear(rgb.blueF());
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor ReadableOn(const QColor& text, const QColor& background) {
  if (ContrastRatio(text, background) >= kReadableContrast) return text;
  // Mid-grey's luminance is about 0.18: above it black gives the larger contrast.
  const QColor towards = Luminance(background) > 0.18 ? QColor(Qt::black) : QColor(Qt::white);
  const QColor from = text.toRgb();
  QColor mixed = from;
  for (int step = 1; step <= 20; ++step) {
    const double t = step / 20.0;
    mixed = QColor::fromRgbF(from.redF() + (towards.redF() - from.redF()) * t,
                             from.greenF() + (towards.greenF() - from.greenF()) * t,
                             from.blueF() + (towards.blueF() - from.blueF()) * t);
    if (ContrastRatio(mixed, background) >= kReadableContrast) break;
  }
  return mixed;
}

}  // namespace ui

#include "ui/common/look.h"

#include <QApplication>
#include <QFontDatabase>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "ui/common/language.h"

namespace ui {

QStringList WithScriptFamilies(QStringList families) {
  if (CurrentLanguage() == Language::English) return families;
  for (const LanguageRow& row : kLanguageTable)
    if (!row.fontFamily.empty() && !families.contains(FromTable(row.fontFamily)))
      families << FromTable(row.fontFamily);
  return families;
}

namespace {

// Verdana where installed, else DejaVu Sans (which the package depends on), else the system's
// general typeface. Not the system's alias itself: on a Hindi or Tamil desktop fontconfig
// resolves it to that script's typeface, and English would be drawn in it. Asking for Verdana
// where it is absent would have fontconfig substitute a look-alike and Qt open a second font
// engine at start-up; QFontDatabase::hasFamily also runs that substitution. The list of
// families is read from the font database Qt fills anyway, so the check costs nothing.
const QString& LatinFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const char* wanted : {"Verdana", "DejaVu Sans"})
      if (installed.contains(QLatin1String(wanted), Qt::CaseInsensitive))
        return QString::fromLatin1(wanted);
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
  }();
  return family;
}

// The typeface a desktop in `language` gives its windows (fontconfig's sans-serif for hi and
// ta: Debian's Lohit fonts), where installed; empty in English.
QString ScriptFamily(Language language) {
  const QString family = FromTable(RowOf(language).fontFamily);
  return !family.isEmpty() && QFontDatabase::families().contains(family) ? family : QString();
}

}  // namespace

QFont AppFont(qreal pointSize, bool bold) {
  // In Hindi and Tamil the script's typeface, as a desktop in that language gives it, so that
  // the windows are laid out by its taller line whether the program started in the language
  // or switched to it. In English the Latin typeface alone: naming the Lohit families there
  // would make every font's metrics theirs too (taller lines), and move English text; a
  // Devanagari or Tamil name typed there comes from the desktop's fallback (fontconfig).
  // These scripts are shaped even under kScreenTextStrategy: PreferNoShaping leaves out only
  // what a script does not need, and they need their conjuncts and signs.
  QFont font;
  const QString script = ScriptFamily(CurrentLanguage());
  font.setFamilies(script.isEmpty() ? QStringList{LatinFamily()}
                                    : QStringList{script, LatinFamily()});
  font.setStyleHint(QFont::SansSerif, kScreenTextStrategy);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

QFont LatinFont(const QFont& font) {
  QFont latin = font;
  latin.setFamilies({LatinFamily()});
  return latin;
}

double LegiblePixels() {
  return CurrentLanguage() == Language::English ? kLegibleLatinPixels : kLegibleIndicPixels;
}

double FontPixels(const QFont& font) {
  constexpr double kPixelsPerPoint = 1440.0 / kTwipsPerPixel / 72;
  return font.pixelSize() > 0 ? font.pixelSize() : font.pointSizeF() * kPixelsPerPoint;
}

double LegibleScale(const QList<QFont>& fonts) {
  double scale = 0;
  for (const QFont& font : fonts) scale = std::max(scale, LegiblePixels() / FontPixels(font));
  return scale;
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

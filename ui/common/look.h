#pragma once
// Geometry, typeface and colours shared by the windows. Window layouts are given in twips
// (1/1440 inch); at 15 twips per device-independent pixel Qt's own high-DPI scaling does
// the rest.

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

// Twips to device-independent pixels, rounded to the nearest pixel.
constexpr int Twips(int twips) {
  return (twips >= 0 ? twips + kTwipsPerPixel / 2 : twips - kTwipsPerPixel / 2) / kTwipsPerPixel;
}
inline QRect TwipsRect(int left, int top, int width, int height) {
  return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline const QColor kBackground(0, 64, 64);
inline const QColor kValueColour(255, 192, 128);
inline const QColor kCaptionColour(0, 192, 0);
inline const QColor kHighlight(0, 128, 128);

// Text on screen in scripts that need no shaping (Latin among them) is laid out from the
// font's character map and kerning table without OpenType shaping; scripts that need it
// (Devanagari, Arabic, ...) are shaped as before. Shaping copies a typeface's layout tables
// for every size and weight in use (the windows use five) and loads the shaping library's
// code. Kerning stays; a glyph may sit a pixel apart from a shaped one.
inline constexpr QFont::StyleStrategy kScreenTextStrategy =
    QFont::StyleStrategy(QFont::PreferDefault | QFont::PreferNoShaping);

// The families of the page, the PDF and the picture, and after them, in Hindi or Tamil, those
// of their scripts (Debian's fonts-lohit-deva and fonts-lohit-taml): a character the first
// typeface lacks is drawn from them. In English the list is as given, as the Lohit families
// would lend every font their taller line; a Devanagari or Tamil name typed there is drawn
// from the fallback fontconfig gives, as it is on the screen.
QStringList WithScriptFamilies(QStringList families);

// Verdana where installed, else the system's general typeface.
QFont AppFont(qreal pointSize = 8, bool bold = false);
// The application's general font (menus, message boxes) with the screen's text strategy.
void UseScreenTextStrategy();
// Sets the widget's background fill and text colour.
void Paint(QWidget* widget, const QColor& background, const QColor& text);
void SetTextColour(QWidget* widget, const QColor& text);

// The contrast ratio of two colours, from 1 (alike) to 21 (black on white), as WCAG 2.1
// defines it from their relative luminance (sRGB, exact to the formula).
double ContrastRatio(const QColor& a, const QColor& b);
// WCAG AA for body text.
inline constexpr double kReadableContrast = 4.5;
// `text` where it reads on `background`; else `text` mixed towards white (on a dark
// background) or black (on a light one), just far enough to read.
QColor ReadableOn(const QColor& text, const QColor& background);

}  // namespace ui

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

// The families of the page, the PDF and the picture, and after them, in a translation, those
// of every language's script (the language table's, Debian's fonts-lohit-deva and
// fonts-lohit-taml): a character the first typeface lacks is drawn from them. In English the list is as given, as the Lohit families
// would lend every font their taller line; a Devanagari or Tamil name typed there is drawn
// from the fallback fontconfig gives, as it is on the screen.
QStringList WithScriptFamilies(QStringList families);

// The windows' typeface in the language in use: in English Verdana where installed, else
// DejaVu Sans; in Hindi and Tamil the script's typeface, as a desktop in that language has it.
// Made anew after a change of language (RefitOnLanguageChange).
QFont AppFont(qreal pointSize = 8, bool bold = false);
// `font` in the Latin typeface alone (its size and weight kept): for addresses, offsets and
// figures amid Devanagari or Tamil, which the script's typeface draws wide or small.
QFont LatinFont(const QFont& font);
// The application's general font (menus, message boxes) with the screen's text strategy.
void UseScreenTextStrategy();
// The smallest text drawn on the screen, as the size of its font in pixels (its em: 8 points
// are 10.7 px at 96 dpi): 7 px for Latin script, 9 px for Devanagari and Tamil, whose marks
// above and below the letters and whose conjuncts need more pixels to be told apart. A window
// drawn smaller than its design is never drawn below these; it scrolls instead.
inline constexpr double kLegibleLatinPixels = 7;
inline constexpr double kLegibleIndicPixels = 9;
// The legible size for the language in use.
double LegiblePixels();
// A font's size in pixels at the design's 96 dpi (15 twips per pixel).
double FontPixels(const QFont& font);
// The smallest scale at which every one of `fonts` is drawn at LegiblePixels or more.
double LegibleScale(const QList<QFont>& fonts);
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

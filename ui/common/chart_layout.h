#pragma once
// The sign chart's geometry, in twips of the chart frame: where the twelve sign boxes sit and
// the fixed figure in the centre. The result window, the printed page and the chart picture
// all draw the chart from these tables.

#include <QtGlobal>

namespace ui::chart {

// The chart frame at design, and the part of it the boxes cover.
inline constexpr int kFrameWidth = 10035, kFrameHeight = 8625;
inline constexpr int kBoxWidth = 1965, kBoxHeight = 1680;
inline constexpr int kLeft = 75, kTop = 135, kRight = 9885, kBottom = 8520;

struct SignPlace {
  const char* name;
  int left, top;
  int captionInset;  // the sign's name starts this far in, clear of the centre figure
};
// Rim of a five-by-five grid with empty corners, signs running counter-clockwise from Aries.
inline constexpr SignPlace kSignPlaces[12] = {
    {QT_TRANSLATE_NOOP("Signs", "Aries"), 5970, 135, 0},
    {QT_TRANSLATE_NOOP("Signs", "Taurus"), 4005, 135, 0},
    {QT_TRANSLATE_NOOP("Signs", "Gemini"), 2040, 135, 120},
    {QT_TRANSLATE_NOOP("Signs", "Cancer"), 75, 1800, 0},
    {QT_TRANSLATE_NOOP("Signs", "Leo"), 75, 3480, 0},
    {QT_TRANSLATE_NOOP("Signs", "Virgo"), 75, 5160, 0},
    {QT_TRANSLATE_NOOP("Signs", "Libra"), 2040, 6840, 0},
    {QT_TRANSLATE_NOOP("Signs", "Scorpio"), 4005, 6840, 0},
    {QT_TRANSLATE_NOOP("Signs", "Sagittarius"), 5970, 6840, 120},
    {QT_TRANSLATE_NOOP("Signs", "Capricorn"), 7920, 5175, 0},
    {QT_TRANSLATE_NOOP("Signs", "Aquarius"), 7920, 3495, 0},
    {QT_TRANSLATE_NOOP("Signs", "Pisces"), 7920, 1815, 0}};

struct Line {
  int x1, y1, x2, y2;
};
// The fixed figure in the centre of the chart (Line2 .. Line19).
inline constexpr Line kCentreLines[18] = {
    {3480, 1800, 2040, 3000}, {7920, 5640, 6720, 6840}, {3480, 6840, 2040, 5640},
    {6720, 1800, 7920, 3000}, {3480, 1800, 3480, 6840}, {6720, 1800, 6720, 6840},
    {2040, 3000, 7920, 3000}, {2040, 5640, 7920, 5640}, {5040, 1800, 2040, 4440},
    {7920, 4440, 4920, 6840}, {2040, 4440, 7920, 4440}, {6960, 1560, 2040, 5640},
    {5040, 1800, 5040, 6840}, {7920, 3000, 3480, 6840}, {7920, 4440, 5040, 1800},
    {4920, 6840, 2040, 4440}, {7920, 5640, 3480, 1800}, {6720, 6840, 2040, 3000}};

struct Box {
  int left, top, width, height;
};
// The nine small shapes (Shape1(0) .. Shape1(8)): three rows of three.
inline constexpr Box kCentreShapes[9] = {
    {3240, 2760, 615, 495}, {4680, 2760, 615, 495}, {6240, 2760, 735, 495},
    {3240, 4080, 615, 495}, {4680, 4200, 615, 495}, {6240, 4080, 615, 495},
    {3240, 5400, 615, 495}, {4680, 5400, 615, 495}, {6240, 5400, 615, 495}};

}  // namespace ui::chart

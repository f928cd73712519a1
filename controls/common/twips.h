#pragma once

#include <QRect>

// Designed positions and sizes are kept in twips; one pixel at 96 dpi is 15 twips and Qt
// scales pixels for HiDPI screens itself.
inline constexpr double kTwipsPerPixel = 15.0;

// Rounds to the nearest whole number, halves to the even neighbour.
int roundHalfEven(double value);

int twipsToPixels(double twips);
double pixelsToTwips(int pixels);

// A designed rectangle: left, top, width and height in twips.
QRect twipsRect(double left, double top, double width, double height);

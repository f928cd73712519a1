#pragma once

#include <QColor>
#include <QtGlobal>

class QPalette;

// A colour value as controls store it: with the top bit set, entry n of the desktop's system
// colour palette (0x80000000 + n); otherwise 0x00BBGGRR.
using OleColor = quint32;

namespace SystemColor {
inline constexpr OleColor WindowBackground = 0x80000005;
inline constexpr OleColor WindowText = 0x80000008;
inline constexpr OleColor Highlight = 0x8000000D;
inline constexpr OleColor HighlightText = 0x8000000E;
inline constexpr OleColor ButtonFace = 0x8000000F;
inline constexpr OleColor ButtonShadow = 0x80000010;
inline constexpr OleColor ButtonText = 0x80000012;
inline constexpr OleColor ButtonHighlight = 0x80000014;
} // namespace SystemColor

// An RGB colour as a colour value.
constexpr OleColor oleColor(int red, int green, int blue)
{
    return OleColor(red) | (OleColor(green) << 8) | (OleColor(blue) << 16);
}

// The colour to draw with: system colours through the palette, others as they are.
QColor resolveColor(OleColor color, const QPalette& palette);
QColor resolveColor(OleColor color);

#pragma once

#include <QColor>
#include <QRect>

class QPainter;
class QPalette;

// Edge kinds of a 3-D border, combinable: each is one pixel ring, the outer one drawn first.
namespace Edge {
inline constexpr int RaisedOuter = 1;
inline constexpr int SunkenOuter = 2;
inline constexpr int RaisedInner = 4;
inline constexpr int SunkenInner = 8;
} // namespace Edge

// Sides to draw.
namespace Side {
inline constexpr int Left = 1;
inline constexpr int Top = 2;
inline constexpr int Right = 4;
inline constexpr int Bottom = 8;
inline constexpr int All = 15;
} // namespace Side

// Draws a 3-D border inside `rect` (right and bottom exclusive) in the palette's light and
// shadow colours.
void drawEdge(QPainter& painter, const QRect& rect, int edgeKind, int sides,
              const QPalette& palette);

// The dotted focus rectangle inside `rect`.
void drawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour);

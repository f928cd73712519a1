#include "controls/common/drawedge.h"

#include <QPainter>
#include <QPalette>

namespace {

void drawRing(QPainter& painter, const QRect& r, int sides, const QColor& topLeft,
              const QColor& bottomRight)
{
    if (r.width() <= 0 || r.height() <= 0)
        return;
    const int left = r.left();
    const int top = r.top();
    const int right = r.left() + r.width() - 1;
    const int bottom = r.top() + r.height() - 1;
    if (sides & Side::Left)
        painter.fillRect(left, top, 1, r.height(), topLeft);
    if (sides & Side::Top)
        painter.fillRect(left, top, r.width(), 1, topLeft);
    if (sides & Side::Right)
        painter.fillRect(right, top, 1, r.height(), bottomRight);
    if (sides & Side::Bottom)
        painter.fillRect(left, bottom, r.width(), 1, bottomRight);
}

// The rectangle inside a ring drawn on `sides`.
QRect inside(const QRect& r, int sides)
{
    return r.adjusted(sides & Side::Left ? 1 : 0, sides & Side::Top ? 1 : 0,
                      sides & Side::Right ? -1 : 0, sides & Side::Bottom ? -1 : 0);
}

} // namespace

void drawEdge(QPainter& painter, const QRect& rect, int edgeKind, int sides,
              const QPalette& palette)
{
    const QColor light = palette.color(QPalette::Light);
    const QColor midlight = palette.color(QPalette::Midlight);
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor darkShadow = palette.color(QPalette::Shadow);
    QRect ring = rect;
    if (edgeKind & (Edge::RaisedOuter | Edge::SunkenOuter)) {
        if (edgeKind & Edge::RaisedOuter)
            drawRing(painter, ring, sides, midlight, darkShadow);
        else
            drawRing(painter, ring, sides, shadow, light);
        ring = inside(ring, sides);
    }
    if (edgeKind & Edge::RaisedInner)
        drawRing(painter, ring, sides, light, shadow);
    else if (edgeKind & Edge::SunkenInner)
        drawRing(painter, ring, sides, darkShadow, midlight);
}

void drawFocusRect(QPainter& painter, const QRect& rect, const QColor& colour)
{
    if (rect.width() <= 1 || rect.height() <= 1)
        return;
    painter.save();
    painter.setPen(QPen(colour, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
    painter.restore();
}

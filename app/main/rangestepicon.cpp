#include "app/main/rangestepicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

namespace {

QPixmap arrow(Qt::ArrowType direction, const QColor& colour)
{
    constexpr int kSize = 10;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    // A solid triangle pointing left, mirrored for right, inside a two-pixel margin.
    const bool left = direction == Qt::LeftArrow;
    const qreal tip = left ? 2.0 : kSize - 2.0;
    const qreal base = left ? kSize - 2.5 : 2.5;
    triangle.moveTo(tip, kSize / 2.0);
    triangle.lineTo(base, 1.0);
    triangle.lineTo(base, kSize - 1.0);
    triangle.closeSubpath();
    painter.fillPath(triangle, colour);
    return pixmap;
}

} // namespace

QIcon rangeStepIcon(Qt::ArrowType direction)
{
    const QPalette palette;
    QIcon icon;
    icon.addPixmap(arrow(direction, palette.color(QPalette::Active, QPalette::ButtonText)),
                   QIcon::Normal);
    icon.addPixmap(arrow(direction, palette.color(QPalette::Disabled, QPalette::ButtonText)),
                   QIcon::Disabled);
    return icon;
}

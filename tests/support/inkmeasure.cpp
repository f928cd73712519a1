#include "tests/support/inkmeasure.h"

#include <QPainter>

namespace inkmeasure {

QRect inkBounds(const QImage& image, QRect area)
{
    area = area.isEmpty() ? image.rect() : area.intersected(image.rect());
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

int freeInkHeight(const QString& text, const QFont& font)
{
    const QFontMetrics metrics(font);
    QImage canvas(metrics.horizontalAdvance(text) + 40, metrics.height() * 3, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(20, metrics.height() * 1.5), text);
    painter.end();
    return inkBounds(canvas).height();
}

} // namespace inkmeasure

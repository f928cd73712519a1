#include "app/main/listerdesign.h"

#include <QPainter>
#include <QPalette>

UniTextProperties txtCompleteTextProperties()
{
    UniTextProperties p;
    p.Alignment = 1;
    // Read-only, but not disabled: a long verse must scroll by wheel, bar and keys.
    p.Locked = true;
    p.MaxLength = -1;
    p.MultiLine = true;
    p.ScrollBars = 2;
    p.Font = arabicFont(20.25, true);
    return p;
}

QPixmap knobPicture()
{
    // A thumb pointing down at the groove: a raised body over a pointed foot.
    QPixmap knob(8, 16);
    knob.fill(Qt::transparent);
    const QPalette palette;
    QPainter painter(&knob);
    const QPolygon outline({{0, 0}, {7, 0}, {7, 11}, {4, 15}, {3, 15}, {0, 11}});
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette.color(QPalette::Button));
    painter.drawPolygon(outline);
    painter.setPen(palette.color(QPalette::Light));
    painter.drawLine(0, 0, 6, 0);
    painter.drawLine(0, 0, 0, 11);
    painter.drawLine(0, 11, 3, 15);
    painter.setPen(palette.color(QPalette::Shadow));
    painter.drawLine(7, 0, 7, 11);
    painter.drawLine(7, 11, 4, 15);
    painter.setPen(palette.color(QPalette::Dark));
    painter.drawLine(6, 1, 6, 11);
    return knob;
}

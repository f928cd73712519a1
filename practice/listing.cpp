#include "listing.h"

#include <QPainter>
#include <QPalette>

#include <array>

namespace listing {

std::optional<Speed> speed(int sliderValue)
{
    static const std::array<Speed, 7> speeds{{
        {QStringLiteral("Quick List"), 1},
        {QStringLiteral("0.5 sec"), 500},
        {QStringLiteral("1 sec"), 1000},
        {QStringLiteral("1.5 sec"), 1500},
        {QStringLiteral("2 sec"), 2000},
        {QStringLiteral("2.5 sec"), 2500},
        {QStringLiteral("Manual"), 0},
    }};
    if (sliderValue < 0 || sliderValue >= int(speeds.size()))
        return std::nullopt;
    return speeds[sliderValue];
}

QString entry(bool wordMode, int itemNumber, const QString& displayWords)
{
    if (wordMode)
        return u' ' + displayWords;
    return QStringLiteral(" %1.  ").arg(itemNumber) + displayWords;
}

QString reference(const QString& listName, int position)
{
    return listName + u':' + QString::number(position);
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

} // namespace listing

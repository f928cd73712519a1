#include "programicon.h"

#include "common/FontRecord.h"

#include <QLinearGradient>
#include <QPainter>

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {16, 32, 48, 64, 128}) {
        QPixmap tile(size, size);
        tile.fill(Qt::transparent);
        QPainter painter(&tile);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QColor(0, 120, 60));
        painter.setPen(Qt::NoPen);
        painter.drawRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        QFont font = arabicFont(10, true).toQFont();
        font.setPixelSize(int(size * 0.7));
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(0, -size * 0.08, size, size), Qt::AlignCenter, QStringLiteral("ز"));
        icon.addPixmap(tile);
    }
    return icon;
}

QPixmap aboutPicture(double phase)
{
    QPixmap picture(242, 67);
    picture.fill(QColor(0, 90, 45));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QFont latin = sansSerifFont(true).toQFont();
    latin.setPixelSize(30);
    QFont arabic = arabicFont(10, true).toQFont();
    arabic.setPixelSize(30);
    // A band of light sweeps across the name.
    const double x = -60 + phase * 362;
    QLinearGradient shine(x, 0, x + 60, 0);
    shine.setColorAt(0, QColor(255, 255, 255, 200));
    shine.setColorAt(0.5, QColor(255, 230, 120));
    shine.setColorAt(1, QColor(255, 255, 255, 200));
    painter.setPen(QPen(QBrush(shine), 1));
    painter.setFont(latin);
    painter.drawText(QRectF(10, 0, 130, 67), Qt::AlignVCenter | Qt::AlignLeft,
                     QStringLiteral("Zorvel"));
    painter.setFont(arabic);
    painter.drawText(QRectF(130, 0, 102, 67), Qt::AlignVCenter | Qt::AlignRight,
                     QStringLiteral("حِفْظ"));
    return picture;
}

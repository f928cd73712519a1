#include "app/main/programicon.h"

#include "controls/common/FontRecord.h"

#include <QLinearGradient>
#include <QPainter>

QIcon programIcon()
{
    // Drawn from the vector picture on demand, at whatever size the desktop asks for.
    return QIcon(QStringLiteral(":/zorvel/zorvel.svg"));
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

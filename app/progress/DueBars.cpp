#include "app/progress/DueBars.h"

#include <QLocale>
#include <QPainter>

#include <algorithm>

DueBars::DueBars(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("dueBars"));
    setAccessibleName(tr("Entries due in the coming days"));
}

void DueBars::setCounts(const QList<int>& dueByDay)
{
    m_counts = dueByDay;
    QStringList days;
    for (const int count : std::as_const(m_counts)) // every day the bars show
        days.append(QLocale().toString(count));
    setAccessibleDescription(
        tr("Today and the next days: %1").arg(days.join(QStringLiteral(", "))));
    setToolTip(m_counts.isEmpty() ? QString() : tr("%n due today", nullptr, m_counts.first()));
    update();
}

void DueBars::paintEvent(QPaintEvent*)
{
    if (m_counts.isEmpty())
        return;
    QPainter painter(this);
    const int labelHeight = fontMetrics().height();
    const int chartHeight = height() - labelHeight - 2;
    const int most = std::max(1, *std::max_element(m_counts.cbegin(), m_counts.cend()));
    const double step = double(width()) / double(m_counts.size());
    const QColor bar = palette().color(QPalette::Highlight);
    for (qsizetype day = 0; day < m_counts.size(); ++day) {
        const int barHeight = int(double(chartHeight) * m_counts[day] / most);
        painter.fillRect(
            QRectF(day * step + 1, chartHeight - barHeight, std::max(1.0, step - 2), barHeight),
            day == 0 ? palette().color(QPalette::Link) : bar);
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawLine(0, chartHeight, width(), chartHeight);
    // Day marks each week: today, +7, +14...
    for (qsizetype day = 0; day < m_counts.size(); day += 7) {
        const QString mark =
            day == 0 ? tr("today") : QLocale().positiveSign() + QLocale().toString(day);
        // The last mark ends at the edge rather than past it.
        const double x =
            std::min(day * step, double(width() - fontMetrics().horizontalAdvance(mark)));
        painter.drawText(QPointF(x, chartHeight + 1 + fontMetrics().ascent()), mark);
    }
}

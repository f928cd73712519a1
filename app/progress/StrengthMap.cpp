#include "app/progress/StrengthMap.h"

#include <QHelpEvent>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr int kCell = 7; // a cell and the gap after it, in pixels
constexpr int kGap = 1;

} // namespace

StrengthMap::StrengthMap(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("strengthMap"));
    setAccessibleName(tr("Strength of every entry"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void StrengthMap::setStrength(const QList<float>& recall, std::function<QString(int)> reference,
                              const QList<revisionplan::ItemSpan>& rows)
{
    m_recall = recall;
    m_reference = std::move(reference);
    m_rows = rows;
    int known = 0;
    int strong = 0;
    for (float value : recall) {
        known += value >= 0;
        strong += value >= 0.9f;
    }
    setAccessibleDescription(tr("%1 of %2 entries practised, %3 recalled with 90 % or more")
                                 .arg(QLocale().toString(known), QLocale().toString(recall.size()),
                                      QLocale().toString(strong)));
    setMinimumHeight(heightForWidth(width()));
    updateGeometry();
    update();
}

QColor StrengthMap::colourOf(float recall)
{
    if (recall < 0)
        return QColor(0xC8, 0xC8, 0xC8);
    // Red at 50 % or less, amber at 75 %, green from 95 %: the range a learner acts on.
    const float t = std::clamp((recall - 0.5f) / 0.45f, 0.0f, 1.0f);
    return QColor::fromHsvF(t * 120.0f / 360.0f, 0.75f, 0.85f);
}

int StrengthMap::columns() const
{
    return std::max(1, width() / kCell);
}

MapLayout StrengthMap::layoutAt(int width) const
{
    return MapLayout(int(m_recall.size()), std::max(1, width / kCell), m_rows);
}

int StrengthMap::heightForWidth(int width) const
{
    return layoutAt(width).rowCount() * kCell;
}

QSize StrengthMap::sizeHint() const
{
    return {kCell * 60, heightForWidth(kCell * 60)};
}

// The map scrolls rather than squeezes: it is as tall as its cells need at its width.
void StrengthMap::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    setMinimumHeight(heightForWidth(width()));
}

// The map reads as the window does: right to left, the first verse at the right.
int StrengthMap::itemAt(QPoint point) const
{
    const int x = isRightToLeft() ? width() - 1 - point.x() : point.x();
    if (x < 0 || point.y() < 0)
        return 0;
    return layoutAt(width()).itemAt(point.y() / kCell, x / kCell);
}

void StrengthMap::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const MapLayout layout = layoutAt(width());
    const int firstRow = event->rect().top() / kCell;
    const int lastRow = std::min(event->rect().bottom() / kCell, layout.rowCount() - 1);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int column = 0; column < columns(); ++column) {
            const int item = layout.itemAt(row, column);
            if (!item)
                break;
            const int x =
                isRightToLeft() ? width() - column * kCell - (kCell - kGap) : column * kCell;
            painter.fillRect(x, row * kCell, kCell - kGap, kCell - kGap,
                             colourOf(m_recall[item - 1]));
        }
    }
}

bool StrengthMap::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int number = itemAt(help->pos());
    if (!number) {
        QToolTip::hideText();
        return true;
    }
    const float recall = m_recall[number - 1];
    const QString reference = m_reference ? m_reference(number) : QString::number(number);
    QToolTip::showText(help->globalPos(),
                       recall < 0 ? tr("%1: never practised").arg(reference)
                                  : tr("%1: recalled with %2 % today")
                                        .arg(reference, QLocale().toString(qRound(recall * 100))),
                       this);
    return true;
}

void StrengthMap::mouseReleaseEvent(QMouseEvent* event)
{
    if (const int number = itemAt(event->position().toPoint());
        number && event->button() == Qt::LeftButton)
        emit chosen(number);
}

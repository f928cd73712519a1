#include "controls/unilistbox/itemlayout.h"

ItemLayout layoutItem(const QRect& item, const QString& text, bool withCheckBox,
                      const QList<int>& columnWidths)
{
    ItemLayout layout;
    int left = item.left();
    const int right = item.left() + item.width(); // exclusive
    if (withCheckBox) {
        const int height = item.height();
        const int top = item.top() + 1 + (height < 16 ? 0 : (height - 15) / 2);
        layout.checkBox = QRect(left + 2, top, kCheckBoxSize, kCheckBoxSize);
        left += 16;
    }
    if (text.isEmpty())
        return layout;

    const QStringList segments = text.split(u'\t');
    const int columns = qMax(1, static_cast<int>(columnWidths.size()));
    int x = left;
    int column = 0;
    for (qsizetype i = 0; i + 1 < segments.size() && x < right; ++i) {
        const int end = qMin(x + columnWidths.value(column) + 1, right);
        layout.segments.append({QRect(x, item.top(), end - x, item.height()), segments[i]});
        x = end;
        column = (column + 1) % columns;
    }
    if (x < right)
        layout.segments.append({QRect(x, item.top(), right - x, item.height()), segments.last()});
    return layout;
}

QList<int> autoColumnWidths(int width, int columns)
{
    const int total = qMax(1, width);
    const int n = qMax(1, columns);
    QList<int> widths(n, total / n);
    widths.last() = total - (n - 1) * (total / n);
    return widths;
}

#pragma once

#include <QList>
#include <QRect>
#include <QString>

// Where the parts of one list item are painted.
struct ItemLayout {
    QRect checkBox; // empty without check boxes
    struct Segment {
        QRect rect;
        QString text;
    };
    QList<Segment> segments;
};

inline constexpr int kCheckBoxSize = 13;

// The check box (style 1) and the TAB-separated columns of `text` in the item rectangle. A
// segment followed by a TAB takes its column's width plus one pixel, the widths repeating
// when there are more segments than columns; the last segment runs to the item's right edge.
ItemLayout layoutItem(const QRect& item, const QString& text, bool withCheckBox,
                      const QList<int>& columnWidths);

// Column widths that share `width` pixels: each of the first n - 1 gets width / n, the last
// the rest.
QList<int> autoColumnWidths(int width, int columns);

#pragma once

#include <QList>
#include <QPointF>
#include <QRect>
#include <QSizeF>

// A rectangle as the tab strip keeps it: right and bottom are exclusive when filled, and
// inclusive when a point is tested against it.
struct TabRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool contains(QPoint point) const
    {
        return point.x() >= left && point.x() <= right && point.y() >= top && point.y() <= bottom;
    }
    QRect fill() const { return QRect(left, top, right - left, bottom - top); }
    friend bool operator==(const TabRect&, const TabRect&) = default;
};

struct TabGeometry {
    TabRect body;
    int selectedSides =
        0;               // the sides of the selected tab's border; the one to the body is left out
    QList<TabRect> tabs; // where each tab is drawn, before an inactive one is shrunk
    QList<TabRect> stored; // what hit testing uses: inactive tabs one pixel smaller all round
};

// Tab placement of the eight styles: 0/1 along the top from the left/right, 2/3 along the
// bottom, 4/5 down the left/right side from the top, 6/7 the same from the bottom.
TabGeometry layoutTabs(int style, int count, int selected, int tabWidth, int tabHeight, int width,
                       int height);

// `geometry` of a strip `width` wide seen in a mirror, as a right-to-left window shows it: the
// first tab where the last was, the selected tab's open side kept to the body.
TabGeometry mirrored(TabGeometry geometry, int width);

// The top-left corner of a caption of `text` size in tab `tab` for the nine alignments (0 top
// left, 4 centre, 8 bottom right); halves are kept, so the point may be fractional.
QPointF captionPosition(int alignment, const TabRect& tab, QSizeF text);

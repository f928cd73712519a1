#include "controls/tabs/tabgeometry.h"

#include "controls/common/drawedge.h"

TabGeometry layoutTabs(int style, int count, int selected, int tabWidth, int tabHeight, int width,
                       int height)
{
    TabGeometry g;
    g.body = {0, 0, width, height};
    const int tw = tabWidth;
    const int th = tabHeight;
    const int n = count;
    switch (style) {
    case 0:
    case 1:
        g.body.top = th;
        g.selectedSides = Side::Left | Side::Top | Side::Right;
        break;
    case 2:
    case 3:
        g.body.bottom = height - th;
        g.selectedSides = Side::Left | Side::Right | Side::Bottom;
        break;
    case 4:
    case 6:
        g.body.left = tw;
        g.selectedSides = Side::Left | Side::Top | Side::Bottom;
        break;
    default:
        g.body.right = width - tw;
        g.selectedSides = Side::Top | Side::Right | Side::Bottom;
        break;
    }
    for (int i = 1; i <= n; ++i) {
        int left = 0;
        int top = 0;
        switch (style) {
        case 0:
            left = (i - 1) * tw;
            break;
        case 1:
            left = width - n * tw + (i - 1) * tw - 1;
            break;
        case 2:
            left = (i - 1) * tw;
            top = height - th - 1;
            break;
        case 3:
            left = width - n * tw + (i - 1) * tw - 1;
            top = height - th - 1;
            break;
        case 4:
            top = (i - 1) * th;
            break;
        case 5:
            left = width - tw - 1;
            top = (i - 1) * th;
            break;
        case 6:
            top = height - n * th + (i - 1) * th - 1;
            break;
        default:
            left = width - tw - 1;
            top = height - n * th + (i - 1) * th - 1;
            break;
        }
        const TabRect tab{left, top, left + tw + 1, top + th + 1};
        g.tabs.append(tab);
        g.stored.append(i == selected
                            ? tab
                            : TabRect{tab.left + 1, tab.top + 1, tab.right - 1, tab.bottom - 1});
    }
    return g;
}

TabGeometry mirrored(TabGeometry geometry, int width)
{
    const auto mirror = [width](TabRect& rect) {
        rect = {width - rect.right, rect.top, width - rect.left, rect.bottom};
    };
    mirror(geometry.body);
    for (TabRect& tab : geometry.tabs)
        mirror(tab);
    for (TabRect& tab : geometry.stored)
        mirror(tab);
    const int sides = geometry.selectedSides;
    geometry.selectedSides = (sides & ~(Side::Left | Side::Right)) |
                             (sides & Side::Left ? Side::Right : 0) |
                             (sides & Side::Right ? Side::Left : 0);
    return geometry;
}

QPointF captionPosition(int alignment, const TabRect& tab, QSizeF text)
{
    const double l = tab.left;
    const double t = tab.top;
    const double r = tab.right;
    const double b = tab.bottom;
    double x = l + 3;
    if (alignment % 3 == 1)
        x = (r - l) / 2 + l - text.width() / 2 - 1;
    else if (alignment % 3 == 2)
        x = r - text.width() - 4;
    double y = t + 2;
    if (alignment / 3 == 1)
        y = (b - t) / 2 + t - text.height() / 2 - 1;
    else if (alignment / 3 == 2)
        y = b - text.height() - 2;
    return {x, y};
}

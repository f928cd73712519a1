#include "controls/common/placement.h"

#include <algorithm>

QPoint besideWindow(QSize size, const QRect& main, const QRect& screen)
{
    const int roomRight = screen.right() - main.right();
    const int roomLeft = main.left() - screen.left();
    int x = 0;
    if (roomRight >= size.width())
        x = main.right() + 1;
    else if (roomLeft >= size.width())
        x = main.left() - size.width();
    else
        x = roomRight >= roomLeft ? screen.right() + 1 - size.width() : screen.left();
    const int y = std::clamp(main.top(), screen.top(),
                             std::max(screen.top(), screen.bottom() + 1 - size.height()));
    return {std::max(screen.left(), x), y};
}

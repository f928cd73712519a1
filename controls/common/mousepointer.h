#pragma once

#include <QCursor>
#include <QPixmap>

// The pointer shapes that controls ask for by number (0 default, 1 arrow, 2 cross, 3 I-beam,
// 7 up-down arrow, 9 left-right arrow, 11 hourglass, 99 the control's own icon).
// Without an icon of its own, 99 shows a pointing hand.
QCursor pointerCursor(int mousePointer, const QPixmap& icon = {});

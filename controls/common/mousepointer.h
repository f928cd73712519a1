#pragma once

#include <QCursor>

// The pointer shapes that controls ask for by number (0 default, 1 arrow, 2 cross, 3 I-beam,
// 7 up-down arrow, 9 left-right arrow, 11 hourglass, 99 the control's own icon).
QCursor pointerCursor(int mousePointer, const QCursor& custom = QCursor(Qt::PointingHandCursor));

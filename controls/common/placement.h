#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where a side window of `size` stands so that it leaves `main` (the window practised in)
// uncovered on `screen`: at its right where there is room, else at its left, else at the
// screen's edge on the roomier side, covering as little as it can. Frames, not client areas.
QPoint besideWindow(QSize size, const QRect& main, const QRect& screen);

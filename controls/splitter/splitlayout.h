#pragma once

#include <QRectF>

// Where the splitter puts its two children and its bar, in twips, single precision as the
// fraction is kept: stacked (the first on top) or side by side (the first on the left).
struct SplitLayout {
    QRectF child1;
    QRectF bar;
    QRectF child2;
};

SplitLayout splitLayout(bool stacked, float width, float height, float barWidth, float fraction);

// The fraction a drag leaves, kept away from both ends.
float clampFraction(float fraction);

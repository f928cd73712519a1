#include "controls/splitter/splitlayout.h"

SplitLayout splitLayout(bool stacked, float width, float height, float barWidth, float fraction)
{
    SplitLayout layout;
    if (stacked) {
        const float a = (height - barWidth) * fraction;
        const float b = (height - barWidth) * (1.0f - fraction);
        layout.child1 = QRectF(0, 0, width, a);
        layout.child2 = QRectF(0, a + barWidth, width, b);
        layout.bar = QRectF(0, a, width, barWidth);
    } else {
        const float a = (width - barWidth) * fraction;
        const float b = (width - barWidth) * (1.0f - fraction);
        layout.child1 = QRectF(0, 0, a, height);
        layout.child2 = QRectF(a + barWidth, 0, b, height);
        layout.bar = QRectF(a, 0, barWidth, height);
    }
    return layout;
}

float clampFraction(float fraction)
{
    if (fraction < 0.001f)
        return 0.001f;
    if (fraction > 0.999f)
        return 0.999f;
    return fraction;
}

#include "controls/common/twips.h"

#include <cmath>

int roundHalfEven(double value)
{
    // std::nearbyint follows the default rounding mode, which is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

int twipsToPixels(double twips)
{
    return roundHalfEven(twips / kTwipsPerPixel);
}

double pixelsToTwips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

QRect twipsRect(double left, double top, double width, double height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

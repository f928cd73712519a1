#pragma once

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

// Where text leaves ink: rendering tests compare the ink a control paints with the ink of the
// same text drawn on an open canvas, so that a clipped mark shows as missing height.
namespace inkmeasure {

// The bounding box of the dark pixels of `image` within `area` (all of it when empty).
QRect inkBounds(const QImage& image, QRect area = {});

// The height of the ink of `text` drawn unclipped in `font`.
int freeInkHeight(const QString& text, const QFont& font);

} // namespace inkmeasure

#pragma once

#include "controls/common/twips.h"

#include <QWidget>

// A designed place is measured from the left edge of the control's parent. In a right-to-left
// interface it is measured from the parent's right edge instead, and stays so as the parent is
// resized: the designed layout mirrored.
void placeDesigned(QWidget* widget, const QRect& place);
// Moves a control to `place` measured as designed: a designed control keeps it as its
// designed place from then on, any other simply stands there.
void moveDesigned(QWidget* widget, const QRect& place);
// The place placeDesigned() last gave `widget`, as designed (from the left); its geometry when
// it was never given one.
QRect designedPlace(const QWidget* widget);

// Creates a designed control: its objectName is its designed name, so that tests and
// accessibility tools find it, and it stands at its designed place given in twips.
template <typename Widget, typename... Args>
Widget* makeDesigned(QWidget* parent, const char* name, const QRect& place, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    placeDesigned(widget, place);
    return widget;
}

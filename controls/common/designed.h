#pragma once

#include "twips.h"

#include <QWidget>

// Creates a designed control: its objectName is its designed name, so that tests and
// accessibility tools find it, and it stands at its designed place given in twips.
template <typename Widget, typename... Args>
Widget* makeDesigned(QWidget* parent, const char* name, const QRect& place, Args&&... args)
{
    auto* widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(place);
    return widget;
}

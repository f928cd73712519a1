#include "announce.h"

#include <QAccessible>
#include <QWidget>

void announce(QWidget* source, const QString& text)
{
    if (!QAccessible::isActive())
        return;
    source->setAccessibleDescription(text); // raises the description change itself
    QAccessibleEvent alert(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

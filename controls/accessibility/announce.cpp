#include "announce.h"

#include <QAccessible>
#include <QWidget>

void announce(QWidget* source, const QString& text)
{
    // The description is kept whether or not a screen reader listens, so that one that starts
    // later, or reads the control again, finds the latest news.
    source->setAccessibleDescription(text);
    if (!QAccessible::isActive())
        return;
    QAccessibleEvent alert(source, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

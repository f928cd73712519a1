#include "controls/accessibility/announce.h"

#include <QAccessible>
#include <QApplication>
#include <QWidget>

void announce(QWidget* source, const QString& text)
{
    // The description is kept whether or not a screen reader listens, so that one that starts
    // later, or reads the control again, finds the latest news.
    source->setAccessibleDescription(text);
    // Only what the learner sees may speak: a control on a hidden page (the Lister listing
    // while the Tester is shown) would tell the answers being asked.
    if (!source->isVisible())
        return;
    // A screen reader speaks what changes on the object it has the focus on (an alert raised
    // elsewhere never reaches it): the news becomes that object's description too, and of
    // the item focused inside it.
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != source->window())
        return;
    if (focus != source)
        focus->setAccessibleDescription(text);
    if (!QAccessible::isActive())
        return;
    QAccessibleInterface* focused = QAccessible::queryAccessibleInterface(focus);
    QAccessibleInterface* item = focused ? focused->focusChild() : nullptr;
    if (item && item != focused) {
        QAccessibleEvent changed(focus, QAccessible::DescriptionChanged);
        changed.setChild(focused->indexOfChild(item));
        QAccessible::updateAccessibility(&changed);
    }
}

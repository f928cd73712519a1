#include "NamedAccessible.h"

#include "controlaccessibility.h"

QString NamedAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return accessibleNameOf(widget());
    return QAccessibleWidget::text(t);
}

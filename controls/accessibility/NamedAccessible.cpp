#include "controls/accessibility/NamedAccessible.h"

#include "controls/accessibility/controlaccessibility.h"

QString NamedAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return accessibleNameOf(widget());
    return QAccessibleWidget::text(t);
}

#include "controls/accessibility/ValueAccessible.h"

ValueAccessible::ValueAccessible(QWidget* widget, QAccessible::Role role, Value value)
    : NamedAccessible(widget, role)
    , m_value(std::move(value))
{
}

QString ValueAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return m_value.text ? m_value.text() : QString::number(m_value.current());
    return NamedAccessible::text(t);
}

void* ValueAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ValueInterface)
        return static_cast<QAccessibleValueInterface*>(this);
    return NamedAccessible::interface_cast(type);
}

QVariant ValueAccessible::currentValue() const
{
    return m_value.current();
}

void ValueAccessible::setCurrentValue(const QVariant& value)
{
    m_value.set(value.toInt());
}

QVariant ValueAccessible::maximumValue() const
{
    return m_value.maximum();
}

QVariant ValueAccessible::minimumValue() const
{
    return m_value.minimum();
}

QVariant ValueAccessible::minimumStepSize() const
{
    return 1;
}

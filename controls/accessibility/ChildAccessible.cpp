#include "controls/accessibility/ChildAccessible.h"

#include <QWindow>

ChildAccessible::ChildAccessible(QWidget* owner, int index)
    : m_owner(owner)
    , m_index(index)
{
}

QWindow* ChildAccessible::window() const
{
    return m_owner ? m_owner->window()->windowHandle() : nullptr;
}

QAccessibleInterface* ChildAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(m_owner.data());
}

void* ChildAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QRect ChildAccessible::onScreen(const QWidget* widget, const QRect& rect)
{
    return QRect(widget->mapToGlobal(rect.topLeft()), rect.size());
}

ChildInterfaces::~ChildInterfaces()
{
    for (const QAccessible::Id id : std::as_const(m_ids))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* ChildInterfaces::get(int index,
                                           const std::function<QAccessibleInterface*()>& make)
{
    auto found = m_ids.constFind(index);
    if (found == m_ids.constEnd())
        found = m_ids.insert(index, QAccessible::registerAccessibleInterface(make()));
    return QAccessible::accessibleInterface(*found);
}

int ChildInterfaces::indexOf(const QAccessibleInterface* child) const
{
    for (auto it = m_ids.constBegin(); it != m_ids.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key();
    return -1;
}

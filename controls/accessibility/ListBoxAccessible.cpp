#include "controls/accessibility/ListBoxAccessible.h"

#include "controls/unilistbox/NativeList.h"
#include "controls/unilistbox/UniListBox.h"

#include <QCoreApplication>
#include <QMouseEvent>

namespace {

// One item of the list. Pressing it is a click on it, so that the program answers exactly as
// it answers the mouse.
class ListItemAccessible : public ChildAccessible {
public:
    using ChildAccessible::ChildAccessible;

    bool isValid() const override { return list() && m_index < list()->count(); }
    QAccessible::Role role() const override
    {
        return hasCheckBoxes() ? QAccessible::CheckBox : QAccessible::ListItem;
    }

    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        if (t == QAccessible::Name)
            return list()->text(m_index).replace(u'\t', u' '); // columns are read as one line
        // The news told on the list is the focused item's, where a screen reader hears it.
        if (t == QAccessible::Description && state().focused)
            return list()->accessibleDescription();
        return {};
    }

    QRect rect() const override
    {
        return isValid() ? onScreen(list()->viewport(), list()->itemRect(m_index)) : QRect();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = list()->caret() == m_index;
        state.focused = state.selected && list()->hasFocus();
        state.invisible = !list()->viewport()->rect().intersects(list()->itemRect(m_index));
        if (hasCheckBoxes()) {
            state.checkable = true;
            state.checked = list()->checked(m_index);
        }
        return state;
    }

    QStringList actionNames() const override
    {
        if (hasCheckBoxes())
            return {pressAction(), toggleAction()};
        return {pressAction()};
    }

    void doAction(const QString& name) override
    {
        if (!isValid() || !list()->isEnabled() || !actionNames().contains(name))
            return;
        list()->setCaret(m_index); // brings the item into view
        const QPointF centre = list()->itemRect(m_index).center();
        const QPointF global = list()->viewport()->mapToGlobal(centre);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, centre, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(list()->viewport(), &click);
        }
    }

private:
    NativeList* list() const { return static_cast<NativeList*>(m_owner.data()); }
    bool hasCheckBoxes() const
    {
        const auto* box =
            list() ? qobject_cast<const UniListBox*>(list()->parentWidget()) : nullptr;
        return box && box->Style() == 1;
    }
};

} // namespace

ListBoxAccessible::ListBoxAccessible(NativeList* list)
    : NamedAccessible(list, QAccessible::List)
{
}

NativeList* ListBoxAccessible::list() const
{
    return static_cast<NativeList*>(widget());
}

int ListBoxAccessible::childCount() const
{
    return list()->count();
}

QAccessibleInterface* ListBoxAccessible::child(int index) const
{
    if (index < 0 || index >= list()->count())
        return nullptr;
    return m_items.get(index, [&] { return new ListItemAccessible(list(), index); });
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int index = m_items.indexOf(child);
    return index < list()->count() ? index : -1;
}

QAccessibleInterface* ListBoxAccessible::childAt(int x, int y) const
{
    const QPoint local = list()->viewport()->mapFromGlobal(QPoint(x, y));
    if (!list()->viewport()->rect().contains(local))
        return nullptr;
    return child(list()->rowAt(local.y()));
}

QAccessibleInterface* ListBoxAccessible::focusChild() const
{
    return list()->hasFocus() ? child(list()->caret()) : nullptr;
}

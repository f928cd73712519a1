#include "ListBoxAccessible.h"

#include "controlaccessibility.h"
#include "unilistbox/NativeList.h"
#include "unilistbox/UniListBox.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QWindow>

namespace {

bool hasCheckBoxes(const NativeList* list)
{
    const auto* box = qobject_cast<const UniListBox*>(list->parentWidget());
    return box && box->Style() == 1;
}

// One item of the list. Pressing it is a click on it, so that the program answers exactly as
// it answers the mouse.
class ListItemAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ListItemAccessible(NativeList* list, int index)
        : m_list(list)
        , m_index(index)
    {
    }

    bool isValid() const override { return m_list && m_index < m_list->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_list ? m_list->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_list.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override
    {
        return m_list && hasCheckBoxes(m_list) ? QAccessible::CheckBox : QAccessible::ListItem;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        QString text = m_list->text(m_index);
        return text.replace(u'\t', u' '); // columns are read as one line
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid())
            return {};
        const QRect item = m_list->itemRect(m_index);
        return QRect(m_list->viewport()->mapToGlobal(item.topLeft()), item.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = m_list->caret() == m_index;
        state.focused = state.selected && m_list->hasFocus();
        state.invisible = !m_list->viewport()->rect().intersects(m_list->itemRect(m_index));
        if (hasCheckBoxes(m_list)) {
            state.checkable = true;
            state.checked = m_list->checked(m_index);
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override
    {
        if (m_list && hasCheckBoxes(m_list))
            return {pressAction(), toggleAction()};
        return {pressAction()};
    }

    void doAction(const QString& name) override
    {
        if (!isValid() || !m_list->isEnabled() || !actionNames().contains(name))
            return;
        m_list->setCaret(m_index); // brings the item into view
        const QPointF centre = m_list->itemRect(m_index).center();
        const QPointF global = m_list->viewport()->mapToGlobal(centre);
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent click(type, centre, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(m_list->viewport(), &click);
        }
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<NativeList> m_list;
    int m_index;
};

} // namespace

ListBoxAccessible::ListBoxAccessible(NativeList* list)
    : QAccessibleWidget(list, QAccessible::List)
{
}

ListBoxAccessible::~ListBoxAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_items))
        QAccessible::deleteAccessibleInterface(id);
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
    auto found = m_items.constFind(index);
    if (found == m_items.constEnd())
        found = m_items.insert(
            index, QAccessible::registerAccessibleInterface(new ListItemAccessible(list(), index)));
    return QAccessible::accessibleInterface(*found);
}

int ListBoxAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    for (auto it = m_items.constBegin(); it != m_items.constEnd(); ++it)
        if (QAccessible::accessibleInterface(it.value()) == child)
            return it.key() < list()->count() ? it.key() : -1;
    return -1;
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

QString ListBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return accessibleNameOf(widget());
    return QAccessibleWidget::text(t);
}

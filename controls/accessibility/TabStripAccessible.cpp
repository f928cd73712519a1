#include "TabStripAccessible.h"

#include "controlaccessibility.h"
#include "tabs/ctlTabs.h"

#include <QPointer>
#include <QWindow>

namespace {

// One tab of the strip: pressing it selects its page as a click does.
class TabAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabAccessible(ctlTabs* strip, int tab)
        : m_strip(strip)
        , m_tab(tab)
    {
    }

    bool isValid() const override { return m_strip && m_tab <= m_strip->Tabs(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return m_strip ? m_strip->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_strip.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Name || !isValid())
            return {};
        return m_strip->TabCaption(m_tab);
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override
    {
        if (!isValid() || m_tab > m_strip->tabRects().size())
            return {};
        const QRect tab = m_strip->tabRects()[m_tab - 1].fill();
        return QRect(m_strip->mapToGlobal(tab.topLeft()), tab.size());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = m_strip->SelectedTab() == m_tab;
        state.focused = state.selected && m_strip->hasFocus();
        state.invisible = !m_strip->isVisible();
        state.disabled = !m_strip->isEnabled();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && m_strip->isEnabled())
            m_strip->setSelectedTab(m_tab);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<ctlTabs> m_strip;
    int m_tab; // 1-based, as the strip counts its tabs
};

} // namespace

TabStripAccessible::TabStripAccessible(ctlTabs* strip)
    : QAccessibleWidget(strip, QAccessible::PageTabList)
{
}

TabStripAccessible::~TabStripAccessible()
{
    for (const QAccessible::Id id : std::as_const(m_tabs))
        QAccessible::deleteAccessibleInterface(id);
}

ctlTabs* TabStripAccessible::strip() const
{
    return static_cast<ctlTabs*>(widget());
}

int TabStripAccessible::childCount() const
{
    return strip()->Tabs() + QAccessibleWidget::childCount();
}

QAccessibleInterface* TabStripAccessible::child(int index) const
{
    const int tabs = strip()->Tabs();
    if (index < 0)
        return nullptr;
    if (index >= tabs)
        return QAccessibleWidget::child(index - tabs);
    while (m_tabs.size() < tabs) {
        auto* tab = new TabAccessible(strip(), int(m_tabs.size()) + 1);
        m_tabs.append(QAccessible::registerAccessibleInterface(tab));
    }
    return QAccessible::accessibleInterface(m_tabs[index]);
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int tabs = strip()->Tabs();
    for (int i = 0; i < qMin<int>(tabs, int(m_tabs.size())); ++i)
        if (QAccessible::accessibleInterface(m_tabs[i]) == child)
            return i;
    const int page = QAccessibleWidget::indexOfChild(child);
    return page < 0 ? -1 : tabs + page;
}

QAccessibleInterface* TabStripAccessible::childAt(int x, int y) const
{
    for (int i = 0; i < strip()->Tabs(); ++i) {
        QAccessibleInterface* tab = child(i);
        if (tab->rect().contains(x, y))
            return tab;
    }
    return QAccessibleWidget::childAt(x, y);
}

QString TabStripAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return accessibleNameOf(widget());
    return QAccessibleWidget::text(t);
}

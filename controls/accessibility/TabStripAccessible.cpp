#include "controls/accessibility/TabStripAccessible.h"

#include "controls/tabs/ctlTabs.h"

namespace {

// One tab of the strip, child index i for tab i + 1: pressing it selects its page as a click
// does.
class TabAccessible : public ChildAccessible {
public:
    using ChildAccessible::ChildAccessible;

    bool isValid() const override { return strip() && tab() <= strip()->Tabs(); }
    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name && isValid() ? strip()->TabCaption(tab()) : QString();
    }

    QRect rect() const override
    {
        if (!isValid() || tab() > strip()->tabRects().size())
            return {};
        return onScreen(strip(), strip()->tabRects()[m_index].fill());
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        if (!isValid())
            return state;
        state.selectable = true;
        state.focusable = true;
        state.selected = strip()->SelectedTab() == tab();
        state.focused = state.selected && strip()->hasFocus();
        state.invisible = !strip()->isVisible();
        state.disabled = !strip()->isEnabled();
        return state;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override
    {
        if (name == pressAction() && isValid() && strip()->isEnabled())
            strip()->setSelectedTab(tab());
    }

private:
    ctlTabs* strip() const { return static_cast<ctlTabs*>(m_owner.data()); }
    int tab() const { return m_index + 1; }
};

} // namespace

TabStripAccessible::TabStripAccessible(ctlTabs* strip)
    : NamedAccessible(strip, QAccessible::PageTabList)
{
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
    return m_tabs.get(index, [&] { return new TabAccessible(strip(), index); });
}

int TabStripAccessible::indexOfChild(const QAccessibleInterface* child) const
{
    const int tabs = strip()->Tabs();
    const int tab = m_tabs.indexOf(child);
    if (tab >= 0)
        return tab < tabs ? tab : -1;
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

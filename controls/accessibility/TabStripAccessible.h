#pragma once

#include "controls/accessibility/ChildAccessible.h"
#include "controls/accessibility/NamedAccessible.h"

class ctlTabs;

// The tab strip as a page tab list: its tabs come first among its children, then the pages
// placed inside it.
class TabStripAccessible : public NamedAccessible {
public:
    explicit TabStripAccessible(ctlTabs* strip);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    ctlTabs* strip() const;

    mutable ChildInterfaces m_tabs;
};

#pragma once

#include "controls/accessibility/ChildAccessible.h"
#include "controls/accessibility/NamedAccessible.h"

class NativeList;

// The Unicode list box's inner list, which holds the focus, as a list whose children are its
// items. Item interfaces are made only for the items a screen reader asks about, so a list
// of 80,000 items costs nothing until then.
class ListBoxAccessible : public NamedAccessible {
public:
    explicit ListBoxAccessible(NativeList* list);

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

private:
    NativeList* list() const;

    mutable ChildInterfaces m_items;
};

#pragma once

#include <QAccessibleWidget>
#include <QList>

class ctlTabs;

// The tab strip as a page tab list: its tabs come first among its children, then the pages
// placed inside it.
class TabStripAccessible : public QAccessibleWidget {
public:
    explicit TabStripAccessible(ctlTabs* strip);
    ~TabStripAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QString text(QAccessible::Text t) const override;

private:
    ctlTabs* strip() const;

    mutable QList<QAccessible::Id> m_tabs; // made when first asked for, one per tab
};

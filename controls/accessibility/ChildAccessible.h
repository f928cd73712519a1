#pragma once

#include <QAccessible>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <functional>

// A part of a widget that is no widget itself, such as a tab or a list item, as a screen
// reader sees it: a leaf under the widget's interface, known by its index, that can be acted on.
class ChildAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    ChildAccessible(QWidget* owner, int index);

    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    // `rect` in `widget`'s coordinates, on the screen.
    static QRect onScreen(const QWidget* widget, const QRect& rect);

    QPointer<QWidget> m_owner;
    int m_index;
};

// The child interfaces made for one widget, by index, made when first asked for and
// unregistered with the widget's own interface.
class ChildInterfaces {
public:
    ChildInterfaces() = default;
    ChildInterfaces(const ChildInterfaces&) = delete;
    ChildInterfaces& operator=(const ChildInterfaces&) = delete;
    ~ChildInterfaces();

    QAccessibleInterface* get(int index, const std::function<QAccessibleInterface*()>& make);
    int indexOf(const QAccessibleInterface* child) const; // -1 when not one of these

private:
    QHash<int, QAccessible::Id> m_ids;
};

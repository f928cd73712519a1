#pragma once

#include <QAccessibleWidget>

// A control of the program as a screen reader names it: by accessibleNameOf().
class NamedAccessible : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override;
};

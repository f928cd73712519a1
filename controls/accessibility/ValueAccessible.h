#pragma once

#include "controls/accessibility/NamedAccessible.h"

#include <functional>

// A control that stands for one whole number in a range, such as the slider's value or the
// splitter's percentage: a screen reader reads it and may set it.
class ValueAccessible : public NamedAccessible, public QAccessibleValueInterface {
public:
    struct Value {
        std::function<int()> current;
        std::function<int()> minimum;
        std::function<int()> maximum;
        std::function<void(int)> set;       // the control keeps its own rules for refused values
        std::function<QString()> text = {}; // what the value means to a reader; else its number
    };

    ValueAccessible(QWidget* widget, QAccessible::Role role, Value value);

    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    Value m_value;
};

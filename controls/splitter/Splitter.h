#pragma once

#include "controls/common/olecolor.h"

#include <QPointer>
#include <QWidget>

class PropertyBag;

// Two children sharing the control's area beside a bar that the user drags with the left
// button. Only the bar moves while dragging; the children follow on release. The layout is
// worked out in twips with the first child's share kept as a single-precision fraction.
class Splitter : public QWidget {
    Q_OBJECT
public:
    explicit Splitter(QWidget* parent = nullptr);

    int Orientation() const { return m_stacked ? -1 : 0; }
    void setOrientation(int Value);
    QWidget* Child1() const { return m_child1; }
    void setChild1(QWidget* Value);
    QWidget* Child2() const { return m_child2; }
    void setChild2(QWidget* Value);
    int SplitPercent() const;
    void setSplitPercent(int Value);
    int SplitterWidth() const { return m_barWidth; }
    void setSplitterWidth(int Value);
    OleColor SplitterColor() const { return m_barColor; }
    void setSplitterColor(OleColor Value);

    float splitFraction() const { return m_fraction; }
    QWidget* SplitterBar() const { return m_bar; }

    void readProperties(const PropertyBag& bag);
    void writeProperties(PropertyBag& bag) const;

signals:
    void Resize();
    void propertyChanged(const QString& key);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void layOut();
    void paintBar(const QColor& colour);
    void changed(const QString& key);

    bool m_stacked = false;
    QPointer<QWidget> m_child1;
    QPointer<QWidget> m_child2;
    float m_fraction = 0.5f;
    quint8 m_barWidth = 50;
    OleColor m_barColor = 0;
    QWidget* m_bar;
};

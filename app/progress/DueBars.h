#pragma once

#include <QWidget>

// How many entries fall due on each of the coming days, today first (the overdue among them),
// as bars under a line of day marks.
class DueBars : public QWidget {
    Q_OBJECT
public:
    explicit DueBars(QWidget* parent = nullptr);

    void setCounts(const QList<int>& dueByDay);
    const QList<int>& counts() const { return m_counts; }

    QSize sizeHint() const override { return {240, 90}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<int> m_counts;
};

#pragma once

#include "todayplan.h"

#include <QDialog>

class QTableWidget;

// What to revise today across all lists, most at risk first, then what to learn next: a window
// a learner keeps beside the practice. Practise (Enter, a double-click) asks the main window
// to practise the row chosen.
class frmToday : public QDialog {
    Q_OBJECT
public:
    explicit frmToday(QWidget* parent = nullptr);

    void showPlan(const QList<TodayRow>& rows);
    QTableWidget* table() const { return m_table; }

signals:
    void practise(const TodayRow& row);

private:
    void choose();

    QList<TodayRow> m_rows;
    QTableWidget* m_table;
};

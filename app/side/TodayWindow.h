#pragma once

#include "practice/plan/todayrow.h"
#include "schedule/retentioncost.h"
#include "schedule/revisionplan.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QPushButton;
class QSpinBox;
class QTableWidget;

// What to revise today across all lists, most at risk first, then what to learn next: a window
// a learner keeps beside the practice. Practise (Enter, a double-click) asks the main window
// to practise the row chosen. Below the plan, the learner's choices of how it is made.
class TodayWindow : public QDialog {
    Q_OBJECT
public:
    explicit TodayWindow(QWidget* parent = nullptr);

    void showPlan(const QList<TodayRow>& rows);
    QTableWidget* table() const { return m_table; }

    void setChoices(const revisionplan::Options& options, bool atStart, bool recalls);
    revisionplan::Options options() const;
    bool atStart() const;
    // Whether a passage is practised recalling first on the Lister, not on the Tester.
    bool recalls() const;

    // Reciting, a passage's first entry can be heard.
    void setListening(bool on);
    // What each desired retention costs, the chosen one among them; none: the table is hidden.
    void showCosts(const QList<retentioncost::Cost>& costs);
    QTableWidget* costs() const { return m_costs; }

signals:
    void practise(const TodayRow& row);
    void listen(const TodayRow& row);
    // A passage chosen to recite aloud and mark.
    void recite(const TodayRow& row);
    void choicesChanged();

private:
    void choose();

    QWidget* makeChoices();

    QList<TodayRow> m_rows;
    QTableWidget* m_table;
    QSpinBox* m_retention = nullptr;
    QSpinBox* m_longestPassage = nullptr;
    QSpinBox* m_newPerDay = nullptr;
    QComboBox* m_passagesBy = nullptr;
    QComboBox* m_learnBy = nullptr;
    QComboBox* m_cycleBy = nullptr;
    QSpinBox* m_cycleDays = nullptr;
    QSpinBox* m_divisionsPerDay = nullptr;
    QCheckBox* m_atStart = nullptr;
    QComboBox* m_practiseWith = nullptr;
    QPushButton* m_listen = nullptr;
    QWidget* m_costArea = nullptr;
    QTableWidget* m_costs = nullptr;
};

#pragma once

#include "practice/session/progressdata.h"

#include <QWidget>

class QComboBox;
class QTableWidget;

// The list by division (its juz, its pages): for each, what of it is practised, their mean
// chance of recall today, how many fall due within a week and the weakest entry. The kind shown
// is chosen above the table; a double-click practises the division whole.
class DivisionsView : public QWidget {
    Q_OBJECT
public:
    explicit DivisionsView(QWidget* parent);

    void showDivisions(const QList<ProgressData::DivisionTable>& tables,
                       const std::function<QString(int)>& reference);

    QComboBox* kinds() const { return m_kinds; }
    QTableWidget* table() const { return m_table; }

signals:
    // Division `index` of kind `kind` (among the list's kinds) to practise.
    void practiseDivision(int kind, int index);

private:
    void showKind(int kind);

    QList<ProgressData::DivisionTable> m_tables;
    std::function<QString(int)> m_reference;
    QComboBox* m_kinds;
    QTableWidget* m_table;
};

#pragma once

#include "schedule/revisionplan.h"

#include <QList>

// Where the strength map puts each item: in rows `columns` cells wide, or with `rows` given (the
// list's pages, in order) a row for each, a row longer than the map wrapping onto the next;
// items between given rows stand in rows of their own. Rows and columns count from 0.
class MapLayout {
public:
    MapLayout(int itemCount, int columns, const QList<revisionplan::ItemSpan>& rows = {});

    int rowCount() const { return int(m_firsts.size()); }
    // The item in cell `column` of row `row`, or 0 for an empty cell.
    int itemAt(int row, int column) const;

private:
    void addRun(int first, int last);

    int m_columns;
    QList<int> m_firsts; // each row's first item
    QList<int> m_lasts;
};

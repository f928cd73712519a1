#include "practice/models/maplayout.h"

#include <algorithm>

MapLayout::MapLayout(int itemCount, int columns, const QList<revisionplan::ItemSpan>& rows)
    : m_columns(std::max(1, columns))
{
    int next = 1;
    for (const revisionplan::ItemSpan& row : rows) {
        const int first = std::max(row.first, next);
        const int last = std::min(row.last, itemCount);
        if (first > last)
            continue;
        addRun(next, first - 1);
        addRun(first, last);
        next = last + 1;
    }
    addRun(next, itemCount);
}

void MapLayout::addRun(int first, int last)
{
    for (int start = first; start <= last; start += m_columns) {
        m_firsts.append(start);
        m_lasts.append(std::min(last, start + m_columns - 1));
    }
}

int MapLayout::itemAt(int row, int column) const
{
    if (row < 0 || row >= m_firsts.size() || column < 0 || column >= m_columns)
        return 0;
    const int item = m_firsts[row] + column;
    return item <= m_lasts[row] ? item : 0;
}

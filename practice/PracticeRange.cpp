#include "PracticeRange.h"

PracticeRange::PracticeRange(const QStringList& items, int first, int last)
    : m_first(first)
{
    const qsizetype begin = qMax(1, first) - 1;
    const qsizetype end = qMin<qsizetype>(last, items.size());
    if (end > begin)
        m_items = items.mid(begin, end - begin);
}

#include "practice/session/PracticeRange.h"

PracticeRange::PracticeRange(QStringList items)
    : m_items(std::move(items))
    , m_last(count())
{
}

PracticeRange::PracticeRange(const QStringList& items, int first, int last)
    : m_items(items)
    , m_first(first)
    , m_last(last)
{
    Q_ASSERT(first >= 1 && last <= count());
}

PracticeRange PracticeRange::chosen(int first, int last) const
{
    return PracticeRange(m_items, first, last);
}

PracticeRange PracticeRange::firstItems(int size) const
{
    return chosen(1, size > 0 && count() >= size ? size : count());
}

PracticeRange PracticeRange::next() const
{
    if (m_last >= count())
        return *this;
    const int span = m_last - m_firstMark.value_or(m_first);
    const int wanted = m_last + span + 1;
    PracticeRange next = chosen(m_last + 1, qMin(wanted, count()));
    if (wanted > count())
        next.m_lastMark = wanted;
    return next;
}

PracticeRange PracticeRange::previous() const
{
    if (m_first <= 1)
        return *this;
    const int span = m_lastMark.value_or(m_last) - m_first;
    const int wanted = m_first - 1 - span;
    PracticeRange previous = chosen(qMax(wanted, 1), m_first - 1);
    if (wanted < 1)
        previous.m_firstMark = wanted;
    return previous;
}

RangeButtons PracticeRange::buttons() const
{
    const bool startsAtFirst = m_first == 1;
    const int last = count();
    return {
        .all = !(startsAtFirst && m_last == last),
        .first5 = last >= 5 && !(startsAtFirst && m_last == 5),
        .first10 = last >= 10 && !(startsAtFirst && m_last == 10),
        .next = m_last != last,
        .previous = !startsAtFirst,
    };
}

#pragma once

#include <QStringList>

// The items of the current range, in list order, found by their position in the range
// (1-based) or by their item number in the whole list.
class PracticeRange {
public:
    PracticeRange() = default;
    // Items `first` to `last` (1-based, inclusive) of `items`; empty when last < first.
    PracticeRange(const QStringList& items, int first, int last);

    bool isEmpty() const { return m_items.isEmpty(); }
    int size() const { return static_cast<int>(m_items.size()); }
    int first() const { return m_first; }

    // Position 1 to size().
    const QString& at(int position) const { return m_items.at(position - 1); }
    bool containsNumber(int number) const { return number >= m_first && number - m_first < size(); }
    // The item numbered `number` in the whole list; it must lie in the range.
    const QString& byNumber(int number) const { return m_items.at(number - m_first); }

private:
    QStringList m_items;
    int m_first = 0;
};

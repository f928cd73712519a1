#pragma once

#include <QStringList>

#include <optional>

struct RangeButtons {
    bool all = false;
    bool first5 = false;
    bool first10 = false;
    bool next = false;
    bool previous = false;

    friend bool operator==(const RangeButtons&, const RangeButtons&) = default;
};

// The stretch of the open list that is practised: its first and last item numbers (1-based)
// and its items. A value: the window replaces its range only by apply-and-restart, and both
// practice modes keep a copy of the one they were restarted with.
//
// A step cut short at an end of the list leaves an overflow mark, the item number it would
// have chosen beyond that end; the next step the other way takes its span from the mark, so
// the range keeps its size.
class PracticeRange {
public:
    // No list open.
    PracticeRange() = default;
    // The whole of `items`.
    explicit PracticeRange(QStringList items);

    // Items `first` to `last` of the same list, as chosen in the lists or restored: a range of
    // its own, so no earlier overflow mark applies to it. Both must lie in the list.
    PracticeRange chosen(int first, int last) const;
    // The first `size` items, or the whole list when `size` is 0 or the list is shorter.
    PracticeRange firstItems(int size) const;
    // The next range of the same size, cut short at the end; unchanged at the end.
    PracticeRange next() const;
    // The previous range of the same size, cut short at the start; unchanged at the start.
    PracticeRange previous() const;

    // Items in the whole list.
    int count() const { return static_cast<int>(m_items.size()); }
    int first() const { return m_first; }
    int last() const { return m_last; }
    int size() const { return m_last - m_first + 1; }
    bool isEmpty() const { return size() <= 0; }
    std::optional<int> firstMark() const { return m_firstMark; }
    std::optional<int> lastMark() const { return m_lastMark; }

    // Position 1 to size().
    const QString& at(int position) const { return m_items.at(m_first + position - 2); }
    bool containsNumber(int number) const { return number >= m_first && number <= m_last; }
    // The item numbered `number` in the whole list (a look-alike may lie outside the range).
    const QString& byNumber(int number) const { return m_items.at(number - 1); }

    // Which of the five range buttons would change something.
    RangeButtons buttons() const;

private:
    PracticeRange(const QStringList& items, int first, int last);

    QStringList m_items; // the whole list, shared with the window's
    int m_first = 1;
    int m_last = 0;
    std::optional<int> m_firstMark;
    std::optional<int> m_lastMark;
};

#pragma once

#include <optional>

// The range as the From and To lists hold it: their selected indexes (0-based, -1 for none)
// and their overflow marks. A mark is the index a step would have chosen beyond an end of the
// list; the next step the other way takes its span from it, so the range keeps its size.
struct RangeSelection {
    int from = -1;
    int to = -1;
    std::optional<int> fromMark;
    std::optional<int> toMark;

    friend bool operator==(const RangeSelection&, const RangeSelection&) = default;
};

// The next range of the same size, cut short at the end of a list of `count` items.
// Unchanged when the range already ends with the last item.
RangeSelection stepNext(const RangeSelection& range, int count);

// The previous range of the same size, cut short at the start. Unchanged when the range
// already starts with the first item.
RangeSelection stepPrevious(const RangeSelection& range);

// The first `size` items, or all of them when `size` is 0 or the list is shorter. The marks
// are kept.
RangeSelection firstItems(const RangeSelection& range, int count, int size);

struct RangeButtons {
    bool all = false;
    bool first5 = false;
    bool first10 = false;
    bool next = false;
    bool previous = false;

    friend bool operator==(const RangeButtons&, const RangeButtons&) = default;
};

// Which of the five range buttons would change something.
RangeButtons rangeButtons(int from, int to, int count);

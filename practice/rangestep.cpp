#include "rangestep.h"

RangeSelection stepNext(const RangeSelection& range, int count)
{
    if (range.to == count - 1)
        return range;
    const int base = range.fromMark.value_or(range.from);
    const int span = range.to - base;
    RangeSelection next;
    next.from = range.to + 1;
    const int wanted = range.to + span + 1;
    if (wanted >= count) {
        next.to = count - 1;
        next.toMark = wanted;
    } else {
        next.to = wanted;
    }
    return next;
}

RangeSelection stepPrevious(const RangeSelection& range)
{
    if (range.from == 0)
        return range;
    const int top = range.toMark.value_or(range.to);
    const int span = top - range.from;
    RangeSelection previous;
    previous.to = range.from - 1;
    const int wanted = previous.to - span;
    if (wanted >= 0) {
        previous.from = wanted;
    } else {
        previous.from = 0;
        previous.fromMark = wanted;
    }
    return previous;
}

RangeSelection firstItems(const RangeSelection& range, int count, int size)
{
    RangeSelection first = range;
    first.from = 0;
    first.to = size > 0 && count >= size ? size - 1 : count - 1;
    return first;
}

RangeButtons rangeButtons(int from, int to, int count)
{
    const bool startsAtFirst = from == 0;
    return {
        .all = !(startsAtFirst && to == count - 1),
        .first5 = count >= 5 && !(startsAtFirst && to == 4),
        .first10 = count >= 10 && !(startsAtFirst && to == 9),
        .next = to != count - 1,
        .previous = !startsAtFirst,
    };
}

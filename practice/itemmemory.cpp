#include "itemmemory.h"

#include <algorithm>
#include <cmath>

namespace itemmemory {

std::optional<memorymodel::Grade> gradeOf(const Review& review)
{
    if (review.grade >= 1 && review.grade <= 4)
        return memorymodel::Grade(review.grade);
    if (!review.firstTry)
        return std::nullopt; // the wrong pick before it was the review
    return review.right ? memorymodel::Grade::Good : memorymodel::Grade::Again;
}

ItemMemory after(const ItemMemory* before, const Review& review, memorymodel::Grade grade)
{
    const QDate day = review.at.toLocalTime().date();
    if (!before || before->text != review.text)
        return {memorymodel::first(grade), day, review.text, 1, 0};
    ItemMemory memory = *before;
    // A review dated before the last one (a clock set back, another time zone) is one of the
    // same day: time never runs backwards for a memory.
    const int days = std::max(0, int(memory.lastReview.daysTo(day)));
    memory.state = memorymodel::next(memory.state, days, grade);
    memory.lastReview = std::max(memory.lastReview, day);
    ++memory.reviews;
    if (grade == memorymodel::Grade::Again)
        ++memory.lapses;
    return memory;
}

bool isSound(const ItemMemory& memory)
{
    const memorymodel::State& state = memory.state;
    return std::isfinite(state.difficulty) && state.difficulty >= 1 && state.difficulty <= 10 &&
           std::isfinite(state.stability) && state.stability > 0 && memory.lastReview.isValid() &&
           memory.lastReview.year() >= 1970 && memory.lastReview.year() <= 9999 &&
           memory.reviews >= 1 && memory.lapses >= 0 && memory.lapses < memory.reviews;
}

} // namespace itemmemory

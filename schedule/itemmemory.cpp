#include "schedule/itemmemory.h"

#include <algorithm>
#include <cmath>

namespace itemmemory {

std::optional<fsrs::Grade> gradeOf(const Review& review)
{
    if (review.grade >= 1 && review.grade <= 4)
        return fsrs::Grade(review.grade);
    if (!review.firstTry)
        return std::nullopt; // the wrong pick before it was the review
    return review.right ? fsrs::Grade::Good : fsrs::Grade::Again;
}

// Repetitions on one day may confirm or weaken an item, but never send it further away than
// the day's best single answer would have: the model's same-day equation alone lets ten Easy
// repetitions of a new verse in one evening put it off for months.
ItemMemory after(const ItemMemory* before, const Review& review, fsrs::Grade grade, QDate day)
{
    if (!before || before->text != review.text)
        return {fsrs::first(grade), day, review.text, 1, 0, day, {}, QDate(), int(grade)};
    ItemMemory memory = *before;
    // A review dated before the last one (a clock set back) is one of the same day: time never
    // runs backwards for a memory.
    const int days = std::max(0, int(memory.lastReview.daysTo(day)));
    if (days > 0) {
        memory.dayStart = memory.state;
        memory.dayBefore = memory.lastReview;
        memory.dayBest = int(grade);
        memory.state = fsrs::next(memory.state, days, grade);
        memory.lastReview = day;
    } else {
        memory.dayBest = std::max(memory.dayBest, int(grade));
        const fsrs::Grade best = fsrs::Grade(memory.dayBest);
        const double single =
            memory.dayBefore.isValid()
                ? fsrs::next(memory.dayStart, int(memory.dayBefore.daysTo(memory.lastReview)), best)
                      .stability
                : fsrs::first(best).stability;
        memory.state = fsrs::next(memory.state, 0, grade);
        memory.state.stability = std::min(memory.state.stability, single);
    }
    ++memory.reviews;
    if (grade == fsrs::Grade::Again)
        ++memory.lapses;
    return memory;
}

QDate LocalDays::dayOf(const QDateTime& moment)
{
    if (moment.timeSpec() == Qt::LocalTime)
        return moment.date(); // a moment made on this machine: its day is its own
    const qint64 msecs = moment.toMSecsSinceEpoch();
    if (msecs < m_from || msecs >= m_until) {
        const QDateTime utc = moment.toUTC();
        m_offset = m_zone.offsetFromUtc(utc);
        m_from = msecs;
        const QTimeZone::OffsetData next = m_zone.nextTransition(utc);
        m_until = next.atUtc.isValid() ? next.atUtc.toMSecsSinceEpoch()
                                       : std::numeric_limits<qint64>::max();
    }
    constexpr qint64 kDay = qint64{24} * 60 * 60;
    const qint64 local = msecs / 1000 + m_offset - (msecs % 1000 < 0 ? 1 : 0);
    return QDate(1970, 1, 1).addDays(local >= 0 ? local / kDay : (local - kDay + 1) / kDay);
}

bool isSound(const ItemMemory& memory, QDate today)
{
    const auto sound = [](const fsrs::State& state) {
        return std::isfinite(state.difficulty) && state.difficulty >= 1 && state.difficulty <= 10 &&
               std::isfinite(state.stability) && state.stability >= fsrs::kLeastStability &&
               state.stability <= fsrs::kMostStability;
    };
    const bool firstDay = !memory.dayBefore.isValid();
    return sound(memory.state) && memory.lastReview.isValid() && memory.lastReview <= today &&
           memory.firstReview.isValid() && memory.firstReview <= memory.lastReview &&
           (firstDay || (sound(memory.dayStart) && memory.dayBefore < memory.lastReview)) &&
           memory.dayBest >= 1 && memory.dayBest <= 4 && memory.reviews >= 1 &&
           memory.lapses >= 0 && memory.lapses < memory.reviews;
}

} // namespace itemmemory

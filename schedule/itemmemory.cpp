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

ItemMemory after(const ItemMemory* before, const Review& review, fsrs::Grade grade, QDate day,
                 const fsrs::Parameters& weights)
{
    if (!before || before->text != review.text) {
        fsrs::model::Track<double> track;
        fsrs::model::review(track, 0, int(grade), weights, true);
        return {track.state, day, review.text, 1, 0, day, {}, QDate(), int(grade)};
    }
    ItemMemory memory = *before;
    // A review dated before the last one (a clock set back) is one of the same day: time never
    // runs backwards for a memory.
    const int days = std::max(0, int(memory.lastReview.daysTo(day)));
    fsrs::model::Track<double> track{
        memory.state, memory.dayStart,
        memory.dayBefore.isValid() ? int(memory.dayBefore.daysTo(memory.lastReview)) : -1,
        memory.dayBest};
    fsrs::model::review(track, days, int(grade), weights, false);
    memory.state = track.state;
    memory.dayStart = track.dayStart;
    memory.dayBest = track.dayBest;
    if (days > 0) {
        memory.dayBefore = memory.lastReview;
        memory.lastReview = day;
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

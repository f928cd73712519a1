#pragma once

#include "schedule/fsrs.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

#include <limits>
#include <optional>

// The drill an answer came from: a pick among the Tester's choices, a recall graded on the
// Lister, an entry written from memory; the halves of a bayt picked or recalled; an entry of a
// passage recited aloud and marked.
enum class Drill {
    Choices = 0,
    Recall = 1,
    Written = 2,
    HalfChoices = 3,
    HalfRecall = 4,
    Recited = 5
};
inline constexpr int kDrills = 6;

// One answer about an item, as the review log keeps it.
struct Review {
    QDateTime at;
    int number = 0; // the item that was to be picked or recalled
    QString text;
    int pickedRow = 0;  // 1 to 3; 0 for a graded recall
    int pickedItem = 0; // the item behind the row picked
    bool right = false;
    bool firstTry = true;
    double seconds = 0; // since the item was offered
    int grade = 0;      // 1 to 4 as the learner graded a recall; 0 for a pick
    Drill drill = Drill::Choices;
    // The learner's calendar day when the answer was given, kept with it: a later change of
    // time zone does not move it. Invalid: the day of `at` where the log is read.
    QDate day{};
};

// What the model knows of one item: its state after every review, in order.
struct ItemMemory {
    fsrs::State state;
    QDate lastReview;
    QString text; // the text reviewed: an edited item starts afresh
    int reviews = 0;
    int lapses = 0; // Again after the first review
    QDate firstReview;
    // The day of the last review as it began: the state the day found (none on the first
    // day), the day of the review before, and the best grade given on the day.
    fsrs::State dayStart;
    QDate dayBefore;
    int dayBest = 0;
};

namespace itemmemory {

// What an answer counts as. A pick right at the first try is Good, a wrong pick Again, and a
// right pick after a wrong one is no review of its own; a graded recall is its grade.
std::optional<fsrs::Grade> gradeOf(const Review& review);

// The item's memory after `review` graded `grade` on `day`, from `before` (none for a first
// review), under the model's `weights`. Repetitions on one day may confirm or weaken an item,
// never send it further away than the day's best single answer would have.
ItemMemory after(const ItemMemory* before, const Review& review, fsrs::Grade grade, QDate day,
                 const fsrs::Parameters& weights);

// Whether a stored memory is one the model could have made by `today`; any other is rebuilt
// from the log.
bool isSound(const ItemMemory& memory, QDate today);

// The calendar day of a moment in local time, as reviews are counted. The local offset is
// looked up again only past the zone's next transition (or before the moment it was looked up
// for), not for each of a million answers.
class LocalDays {
public:
    QDate dayOf(const QDateTime& moment);

private:
    QTimeZone m_zone = QTimeZone::systemTimeZone();
    qint64 m_from = std::numeric_limits<qint64>::max(); // msecs since the epoch
    qint64 m_until = std::numeric_limits<qint64>::min();
    qint64 m_offset = 0; // seconds east of UTC from m_from until m_until
};

} // namespace itemmemory

#pragma once

#include "schedule/fitting.h"
#include "schedule/itemmemory.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>

#include <optional>
#include <vector>

// What to revise today, from the review log: every item's memory replayed from its answers,
// the items whose chance of recall falls below the desired retention by the end of today
// grouped into passages a learner revises together, and the next stretch never practised.
namespace revisionplan {

struct Options {
    double retention = 0.9;  // 0.80 to 0.97
    int longestPassage = 10; // items; in word mode whole lines, however long
    int bridged = 2;         // items not due between two due ones that a passage takes along
    int newPerDay = 5;
    // The kind of division whole ones of which are revised ("page", "quarter"); none: the due
    // items alone. A list without divisions of the kind is revised by its due items.
    QString passagesBy;
    int divisionsPerDay = 2;
    // The kind of division the next stretch to learn is ("page"), or half of one; none: as
    // many entries as newPerDay.
    QString learnBy;
    bool learnHalf = false;
    // A revision cycle a teacher sets: every division of this kind learnt ("page") revised at
    // least once every `cycleDays` days; none: no cycle.
    QString cycleBy;
    int cycleDays = 30;
    // The memory model's weights: the learner's own once fitted and kept.
    fsrs::Parameters weights = fsrs::kDefaults;
};

// A run of items, 1-based and inclusive: a part of the list, or in word mode one of its lines.
// Spans are given in the list's order and hold at least one item each.
struct ItemSpan {
    int first = 0;
    int last = 0;
};

struct Passage {
    int first = 0; // item numbers
    int last = 0;
    int due = 0;             // items due in it
    double lowestRecall = 1; // the lowest chance of recall today among them
    int overdueDays = 0;     // the most days any of them is past its day
};

// The memory of each item (by number) from one list's log in one mode, answer by answer,
// oldest first, under the model's `weights`: every answer graded as itemmemory::gradeOf says, in
// turn. The log's order stands above its clock: no answer counts as given on a later day than
// any answer after it, nor than `latest` (a clock that ran ahead for a while hides nothing once
// it is right).
class Replay {
public:
    Replay(QDate latest, const fsrs::Parameters& weights);
    void add(const Review& review);
    QMap<int, ItemMemory> memories() const;
    // The answers as the weights are fitted to them: a sequence an item, a new one for an item
    // edited since.
    void addSequencesTo(fitting::Log& log) const;

private:
    // Each answer's day, as the log's order allows it.
    std::vector<qint64> answerDays() const;

    struct Answer {
        int number;
        int text; // in m_texts: a log holds few texts, many times over
        qint64 day;
        fsrs::Grade grade;
    };
    std::vector<Answer> m_answers;
    QStringList m_texts;
    QHash<QString, int> m_textIds;
    qint64 m_latest;
    fsrs::Parameters m_weights;
    itemmemory::LocalDays m_days;
};

QMap<int, ItemMemory> replay(const QList<Review>& log, QDate latest = {},
                             const fsrs::Parameters& weights = fsrs::kDefaults);

// The chance of recall of `memory` on `day`.
double recallOn(const ItemMemory& memory, QDate day, const fsrs::Parameters& weights);
// The day `memory` falls due: the first whose end finds its chance of recall below `retention`.
QDate dueOn(const ItemMemory& memory, double retention, const fsrs::Parameters& weights);

// The due items grouped: consecutive items of one part, gaps of up to `bridged` items taken
// along, no passage longer than `longestPassage` (in word mode, with `lines` given, passages
// take whole lines). Most at risk first.
QList<Passage> duePassages(const QMap<int, ItemMemory>& memories, const QList<ItemSpan>& parts,
                           const QList<ItemSpan>& lines, QDate today, const Options& options);

// The due items by whole divisions: each division that holds a due item is a passage from its
// first to its last item practised, the most at risk `options.divisionsPerDay` of them; due
// items in no division make passages as duePassages() makes them. Most at risk first.
QList<Passage> dueDivisions(const QMap<int, ItemMemory>& memories, const QList<ItemSpan>& divisions,
                            const QList<ItemSpan>& parts, const QList<ItemSpan>& lines, QDate today,
                            const Options& options);

// The day's share of a revision cycle over the divisions learnt (those with an item practised):
// every division last revised `options.cycleDays` days ago or more, and enough of the least
// recently revised besides that the cycle goes round in that many days. A division revised
// today, or holding a passage of `revisedToday`, counts towards the share and is not given
// again. Each is a passage from its first to its last item practised, in the list's order.
QList<Passage> cycleShare(const QMap<int, ItemMemory>& memories, const QList<ItemSpan>& divisions,
                          const QList<Passage>& revisedToday, QDate today, const Options& options);

// The memories of the items the list still holds with the text they were practised with:
// what was edited or removed since is neither due nor counted as learnt.
QMap<int, ItemMemory> present(QMap<int, ItemMemory> memories, const QStringList& items);

// The next items never practised, after the last one that was, within its part: as many as
// `newPerDay` leaves for `today` after the items first practised on it, in any session; in word
// mode, with `lines` given, whole lines. With `divisions` given (the pages, as
// `options.learnBy` names them), the rest of the division the next item begins or stands in,
// or half a division's worth of it, once a day. None when every item has been practised.
std::optional<std::pair<int, int>> nextToLearn(const QMap<int, ItemMemory>& memories,
                                               const QList<ItemSpan>& parts,
                                               const QList<ItemSpan>& lines, int itemCount,
                                               QDate today, const Options& options,
                                               const QList<ItemSpan>& divisions = {});

} // namespace revisionplan

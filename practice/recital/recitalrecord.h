#pragma once

#include "lists/itemlist.h"
#include "practice/history/PracticeHistory.h"
#include "practice/recital/RecitalCheck.h"

#include <QDate>
#include <QList>
#include <QString>

#include <array>

// The record of the mistakes marked in recited passages, as a teacher reads it: by kind in each
// part (and page or juz), the entries and words marked most often, and the weeks' trend.
namespace recitalrecord {

using Counts = std::array<int, recital::kMarkKinds>; // by kind, Prompted first

struct Group {
    QString name;
    int first = 0;
    int last = 0;
    Counts marks{};
};
// The divisions of one kind with a mark, in the list's order.
struct Grouping {
    QString kind; // empty: the list's parts
    QList<Group> groups;
};
struct Often {
    int number = 0; // the entry (of a word: the entry it was last marked in)
    QString text;   // the entry's, or the word
    int count = 0;
};
struct Week {
    QDate from; // its first day; the last week ends today
    int recited = 0;
    Counts marks{};
};
struct Record {
    int recited = 0; // entries recited and marked in all
    int marks = 0;
    QList<Grouping> byDivision;
    QList<Often> entries; // most marked first
    QList<Often> words;
    QList<Week> weeks; // oldest first
};

// An entry's marks as the history keeps them, a word's mark with its word.
QList<PracticeHistory::RecitalMark> marksOf(const RecitalCheck::Checked& checked);

// The record of `marks` and of the entries recited on `recitedDays` (one day an entry), with the
// list's `parts` and division `kinds`; `shown` entries and words, `weeks` weeks up to `today`.
Record of(const QList<PracticeHistory::MarkedEntry>& marks, const QList<QDate>& recitedDays,
          const QList<Part>& parts, const QList<DivisionKind>& kinds, QDate today, int shown = 10,
          int weeks = 8);

} // namespace recitalrecord

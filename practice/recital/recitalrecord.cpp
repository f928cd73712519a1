#include "practice/recital/recitalrecord.h"

#include <QHash>

#include <algorithm>

namespace recitalrecord {

namespace {

Grouping groupingOf(const QString& kind, const QList<Part>& divisions,
                    const QList<PracticeHistory::MarkedEntry>& marks)
{
    Grouping grouping{kind, {}};
    for (const Part& division : divisions) {
        Group group{division.name, division.firstItem, division.lastItem, {}};
        bool marked = false;
        for (const PracticeHistory::MarkedEntry& entry : marks) {
            const int kindIndex = entry.mark.kind - 1;
            if (entry.number >= division.firstItem && entry.number <= division.lastItem &&
                kindIndex >= 0 && kindIndex < recital::kMarkKinds) {
                ++group.marks[kindIndex];
                marked = true;
            }
        }
        if (marked)
            grouping.groups.append(group);
    }
    return grouping;
}

// The most counted first; among equals, the earlier entry.
QList<Often> mostOften(QList<Often> counted, int shown)
{
    std::stable_sort(counted.begin(), counted.end(), [](const Often& a, const Often& b) {
        return a.count != b.count ? a.count > b.count : a.number < b.number;
    });
    return counted.mid(0, shown);
}

} // namespace

QList<PracticeHistory::RecitalMark> marksOf(const RecitalCheck::Checked& checked)
{
    QList<PracticeHistory::RecitalMark> marks;
    int word = 0;
    for (const recital::PlacedMark& mark : checked.marks)
        marks.append(
            {int(mark.kind), mark.word, mark.word >= 0 ? checked.markedWords[word++] : QString()});
    return marks;
}

Record of(const QList<PracticeHistory::MarkedEntry>& marks, const QList<QDate>& recitedDays,
          const QList<Part>& parts, const QList<DivisionKind>& kinds, QDate today, int shown,
          int weeks)
{
    Record record;
    record.recited = int(recitedDays.size());
    record.marks = int(marks.size());
    if (!parts.isEmpty())
        record.byDivision.append(groupingOf({}, parts, marks));
    for (const DivisionKind& kind : kinds)
        record.byDivision.append(groupingOf(kind.name, kind.divisions, marks));

    QList<Often> entries;
    QList<Often> words;
    QHash<int, qsizetype> entryAt;
    QHash<QString, qsizetype> wordAt;
    for (const PracticeHistory::MarkedEntry& entry : marks) {
        const qsizetype at = entryAt.value(entry.number, entries.size());
        if (at == entries.size()) {
            entryAt.insert(entry.number, at);
            entries.append({entry.number, entry.text, 0});
        }
        ++entries[at].count;
        if (entry.mark.word < 0)
            continue;
        const qsizetype w = wordAt.value(entry.mark.wordText, words.size());
        if (w == words.size()) {
            wordAt.insert(entry.mark.wordText, w);
            words.append({entry.number, entry.mark.wordText, 0});
        }
        words[w].number = entry.number;
        ++words[w].count;
    }
    record.entries = mostOften(entries, shown);
    record.words = mostOften(words, shown);

    for (int week = weeks - 1; week >= 0; --week)
        record.weeks.append({today.addDays(-7 * week - 6), 0, {}});
    auto weekOf = [&](QDate day) -> Week* {
        const qint64 back = day.daysTo(today);
        return back < 0 || back >= qint64{7} * weeks ? nullptr
                                                     : &record.weeks[weeks - 1 - int(back / 7)];
    };
    for (const QDate& day : recitedDays)
        if (Week* week = weekOf(day))
            ++week->recited;
    for (const PracticeHistory::MarkedEntry& entry : marks) {
        const int kindIndex = entry.mark.kind - 1;
        if (Week* week = weekOf(entry.day);
            week && kindIndex >= 0 && kindIndex < recital::kMarkKinds)
            ++week->marks[kindIndex];
    }
    return record;
}

} // namespace recitalrecord

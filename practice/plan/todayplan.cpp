#include "practice/plan/todayplan.h"

#include "practice/history/PracticeHistory.h"

#include "practice/plan/listschedule.h"

#include "lists/listloader.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("todayplan", text);
}

} // namespace

QList<TodayRow> todayPlan(PracticeHistory& history, QDate today,
                          const revisionplan::Options& chosen)
{
    revisionplan::Options options = chosen;
    options.weights = history.weights();
    QList<TodayRow> due;
    QList<TodayRow> cycle;
    QList<TodayRow> fresh;
    for (const PracticeHistory::KnownList& known : history.knownLists()) {
        const LoadedList list = loadList(known.path, known.key.wordMode);
        if (list.status != LoadedList::Loaded)
            continue;
        const ItemList& items = list.items;
        const QList<revisionplan::ItemSpan> parts = listschedule::partSpans(items.parts);
        const auto memories = revisionplan::present(history.memories(known.key), items.items);
        // The learner's own pace in this list, else ten seconds an item.
        const double seconds = history.secondsPerAnswer(known.key);
        const double pace = seconds > 0 ? seconds : 10;
        auto rowOf = [&](int first, int last) {
            TodayRow row;
            row.title = known.title;
            row.path = known.path;
            row.wordMode = known.key.wordMode;
            row.first = first;
            row.last = last;
            const QString from = itemReference(items.parts, items.lines, first);
            const QString to = itemReference(items.parts, items.lines, last);
            row.references = from == to ? from : from + u'-' + to;
            row.divisions = divisionsOfItem(items.divisions, first);
            row.minutes = pace * (last - first + 1) / 60;
            return row;
        };
        const QList<revisionplan::ItemSpan> lines = listschedule::lineSpans(items.lines);
        const QList<revisionplan::ItemSpan> divisions =
            listschedule::divisionSpans(items.divisions, options.passagesBy);
        const QList<revisionplan::Passage> passages =
            divisions.isEmpty()
                ? revisionplan::duePassages(memories, parts, lines, today, options)
                : revisionplan::dueDivisions(memories, divisions, parts, lines, today, options);
        for (const revisionplan::Passage& passage : passages) {
            TodayRow row = rowOf(passage.first, passage.last);
            row.due = passage.due;
            row.lowestRecall = passage.lowestRecall;
            row.overdueDays = passage.overdueDays;
            due.append(row);
        }
        for (const revisionplan::Passage& passage : revisionplan::cycleShare(
                 memories, listschedule::divisionSpans(items.divisions, options.cycleBy), passages,
                 today, options)) {
            TodayRow row = rowOf(passage.first, passage.last);
            row.inCycle = true;
            row.due = passage.due;
            row.lowestRecall = passage.lowestRecall;
            cycle.append(row);
        }
        if (const auto next = revisionplan::nextToLearn(
                memories, parts, lines, int(items.items.size()), today, options,
                listschedule::divisionSpans(items.divisions, options.learnBy))) {
            TodayRow row = rowOf(next->first, next->second);
            row.isNew = true;
            fresh.append(row);
        }
    }
    std::stable_sort(due.begin(), due.end(), [](const TodayRow& a, const TodayRow& b) {
        return a.lowestRecall < b.lowestRecall;
    });
    return due + cycle + fresh;
}

QString describeToday(const QList<TodayRow>& rows)
{
    QStringList lines;
    for (const TodayRow& row : rows) {
        const QString list =
            row.title + (row.wordMode ? tr(" (word mode)") : QString()) + QStringLiteral(": ");
        const QString where = row.divisions.isEmpty()
                                  ? row.references
                                  : row.references + QStringLiteral(" (") + row.divisions + u')';
        if (row.isNew)
            lines.append(list + tr("next to learn %1").arg(where));
        else if (row.inCycle)
            lines.append(list + tr("revise %1 in the cycle").arg(where));
        else
            lines.append(list + tr("revise %1, %2 due, recall %3 %, %4 days overdue, about %5 min")
                                    .arg(where)
                                    .arg(row.due)
                                    .arg(qRound(row.lowestRecall * 100))
                                    .arg(row.overdueDays)
                                    .arg(qMax(1, qRound(row.minutes))));
    }
    if (lines.isEmpty())
        lines.append(tr("Nothing to revise today."));
    return lines.join(u'\n') + u'\n';
}

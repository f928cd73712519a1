#include "schedule/strength.h"

#include "schedule/revisionplan.h"

#include <limits>

Strength strengthOf(const QMap<int, ItemMemory>& memories, const QStringList& items, QDate today,
                    double retention, const fsrs::Parameters& weights, int days)
{
    Strength strength;
    strength.recall.fill(Strength::kNeverPractised, items.size());
    strength.dueByDay.fill(0, days);
    strength.dueIn.fill(-1, items.size());
    for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
        const int number = it.key();
        if (number < 1 || number > items.size() || it->text != items[number - 1])
            continue;
        strength.recall[number - 1] = float(revisionplan::recallOn(*it, today, weights));
        const qint64 day =
            std::max<qint64>(0, today.daysTo(revisionplan::dueOn(*it, retention, weights)));
        strength.dueIn[number - 1] = int(std::min<qint64>(day, std::numeric_limits<int>::max()));
        if (day < days)
            ++strength.dueByDay[day];
    }
    return strength;
}

DivisionStrength strengthOfDivision(const Strength& strength, int first, int last)
{
    DivisionStrength division;
    double sum = 0;
    for (int number = std::max(1, first);
         number <= std::min<qsizetype>(last, strength.recall.size()); ++number) {
        const float recall = strength.recall[number - 1];
        if (recall < 0)
            continue;
        ++division.practised;
        sum += recall;
        division.dueThisWeek += strength.dueIn[number - 1] < 7 ? 1 : 0;
        if (!division.weakest || recall < strength.recall[division.weakest - 1])
            division.weakest = number;
    }
    division.meanRecall = division.practised ? sum / division.practised : 0;
    return division;
}

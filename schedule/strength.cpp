#include "schedule/strength.h"

#include "schedule/revisionplan.h"

Strength strengthOf(const QMap<int, ItemMemory>& memories, const QStringList& items, QDate today,
                    double retention, int days)
{
    Strength strength;
    strength.recall.fill(Strength::kNeverPractised, items.size());
    strength.dueByDay.fill(0, days);
    for (auto it = memories.cbegin(); it != memories.cend(); ++it) {
        const int number = it.key();
        if (number < 1 || number > items.size() || it->text != items[number - 1])
            continue;
        strength.recall[number - 1] = float(revisionplan::recallOn(*it, today));
        const qint64 day = std::max<qint64>(0, today.daysTo(revisionplan::dueOn(*it, retention)));
        if (day < days)
            ++strength.dueByDay[day];
    }
    return strength;
}

#include "schedule/retentioncost.h"

#include <algorithm>
#include <random>

namespace retentioncost {

namespace {

// Runs enough for this many memories in all, however few the learner has: one run of a small
// collection would leave the table to chance.
constexpr int kSimulatedMemories = 20000;
constexpr int kMostRuns = 50;

struct Simulated {
    fsrs::State state;
    int last = 0; // the day of the last review, from today (0 or before)
    int due = 0;
};

Cost costOf(const QList<ItemMemory>& memories, QDate today, double retention,
            const fsrs::Parameters& w, int days)
{
    Cost cost{retention, 0, 0};
    if (memories.isEmpty() || days <= 0)
        return cost;
    const int runs = std::clamp(kSimulatedMemories / int(memories.size()), 1, kMostRuns);
    std::mt19937 random(1);
    std::uniform_real_distribution<double> chance(0, 1);
    double reviews = 0;
    double recalled = 0;
    const double factor = fsrs::model::factor(w);
    for (int run = 0; run < runs; ++run) {
        for (const ItemMemory& memory : memories) {
            Simulated item{memory.state, int(today.daysTo(memory.lastReview)), 0};
            item.due = item.last + fsrs::interval(item.state.stability, retention, w);
            for (int day = 0; day < days; ++day) {
                const double r =
                    fsrs::model::recallOn(day - item.last, item.state.stability, factor, -w[20]);
                recalled += r;
                if (item.due > day)
                    continue;
                const fsrs::Grade grade =
                    chance(random) < r ? fsrs::Grade::Good : fsrs::Grade::Again;
                item.state = fsrs::next(item.state, std::max(0, day - item.last), grade, w);
                item.last = day;
                item.due = day + fsrs::interval(item.state.stability, retention, w);
                ++reviews;
            }
        }
    }
    cost.reviewsPerDay = reviews / runs / days;
    cost.recalled = recalled / runs / days / double(memories.size());
    return cost;
}

} // namespace

QList<double> comparedWith(double chosen)
{
    QList<double> retentions{0.85, 0.9, 0.95};
    const auto same = [&](double retention) { return qAbs(retention - chosen) < 0.005; };
    if (std::none_of(retentions.cbegin(), retentions.cend(), same)) {
        retentions.append(chosen);
        std::sort(retentions.begin(), retentions.end());
    }
    return retentions;
}

QList<Cost> costs(const QList<ItemMemory>& memories, QDate today, const QList<double>& retentions,
                  const fsrs::Parameters& weights, int days)
{
    QList<Cost> table;
    for (double retention : retentions)
        table.append(costOf(memories, today, retention, weights, days));
    return table;
}

} // namespace retentioncost

#include "tests/support/syntheticlearner.h"

#include <random>

namespace synthetic {

fsrs::Parameters unlikeTheDefaults()
{
    fsrs::Parameters w = fsrs::kDefaults;
    w[0] = 0.6;
    w[1] = 2.5;
    w[2] = 4.5;
    w[3] = 15;
    w[4] = 5.2;
    w[8] = 2.2;
    w[9] = 0.25;
    w[10] = 1.2;
    w[11] = 1.0;
    w[15] = 0.35;
    w[20] = 0.3;
    return w;
}

fitting::Log answers(const Learner& learner, int reviews)
{
    constexpr int kFirstDay = 2460000;
    std::mt19937 random(learner.seed);
    std::uniform_real_distribution<double> chance(0, 1);
    fitting::Log log;
    std::vector<fsrs::model::Track<double>> memories;
    std::vector<std::vector<int>> dueOn; // items by day, counted from the first
    int given = 0;
    auto answer = [&](int item, int day) {
        const fsrs::Parameters& w = learner.changesAfter >= 0 && day > learner.changesAfter
                                        ? learner.later
                                        : learner.weights;
        fitting::Sequence& sequence = log[size_t(item)];
        const bool isFirst = sequence.empty();
        const int days = isFirst ? 0 : kFirstDay + day - sequence.back().day;
        const double recall =
            isFirst ? 0 : fsrs::model::recall(days, memories[size_t(item)].state.stability, w);
        int grade = 1;
        if (isFirst || chance(random) < recall) {
            const double kind = chance(random);
            grade = kind < 0.15 ? 2 : kind < 0.9 ? 3 : 4;
        }
        sequence.push_back({kFirstDay + day, grade});
        fsrs::model::review(memories[size_t(item)], days, grade, w, isFirst);
        ++given;
    };
    // Revised again when the memory has fallen to about 90 %, give or take half of it.
    auto schedule = [&](int item, int day) {
        const int interval = fsrs::interval(memories[size_t(item)].state.stability, 0.9);
        const int next = day + std::max(1, int(interval * (0.5 + chance(random))));
        if (size_t(next) >= dueOn.size())
            dueOn.resize(size_t(next) + 1);
        dueOn[size_t(next)].push_back(item);
    };
    for (int day = 0; given < reviews; ++day) {
        if (size_t(day) >= dueOn.size())
            dueOn.resize(size_t(day) + 1);
        std::vector<int> today = std::move(dueOn[size_t(day)]);
        for (int n = 0; n < learner.newPerDay; ++n) {
            log.emplace_back();
            memories.emplace_back();
            today.push_back(int(log.size()) - 1);
        }
        for (int item : today) {
            if (given >= reviews)
                break;
            answer(item, day);
            // A fifth of the answers are repeated in the same sitting.
            if (chance(random) < 0.2 && given < reviews)
                answer(item, day);
            schedule(item, day);
        }
    }
    std::erase_if(log, [](const fitting::Sequence& sequence) { return sequence.empty(); });
    return log;
}

} // namespace synthetic

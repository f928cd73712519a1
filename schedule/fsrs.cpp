#include "schedule/fsrs.h"

#include <algorithm>
#include <cmath>

namespace fsrs {

double recall(double days, double stability, const Parameters& w)
{
    return model::recall(days, stability, w);
}

int interval(double stability, double retention, const Parameters& w)
{
    const double days = stability / model::factor(w) * (std::pow(retention, 1 / -w[20]) - 1);
    return int(std::clamp(std::round(days), 1.0, kMostStability));
}

State first(Grade grade, const Parameters& w)
{
    return model::first(int(grade), w);
}

State next(const State& state, int days, Grade grade, const Parameters& w)
{
    return model::next(state, days, int(grade), w);
}

} // namespace fsrs

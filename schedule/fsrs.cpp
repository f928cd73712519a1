#include "schedule/fsrs.h"

#include <algorithm>
#include <cmath>

namespace fsrs {

namespace {

double decay(const Parameters& w)
{
    return -w[20];
}

double factor(const Parameters& w)
{
    return std::pow(0.9, 1 / decay(w)) - 1;
}

double clampStability(double stability)
{
    return std::clamp(stability, kLeastStability, kMostStability);
}

// The first difficulty, before it is clamped: the difficulty update pulls towards Easy's.
double initialDifficulty(Grade grade, const Parameters& w)
{
    return w[4] - std::exp((int(grade) - 1) * w[5]) + 1;
}

} // namespace

double recall(double days, double stability, const Parameters& w)
{
    return std::pow(1 + factor(w) * days / stability, decay(w));
}

int interval(double stability, double retention, const Parameters& w)
{
    const double days = stability / factor(w) * (std::pow(retention, 1 / decay(w)) - 1);
    return int(std::clamp(std::round(days), 1.0, kMostStability));
}

State first(Grade grade, const Parameters& w)
{
    return {std::clamp(initialDifficulty(grade, w), 1.0, 10.0),
            clampStability(std::max(w[int(grade) - 1], 0.1))};
}

State next(const State& state, int days, Grade grade, const Parameters& w)
{
    const double g = int(grade);
    const double d = state.difficulty;
    const double s = state.stability;
    const double r = recall(days, s, w);

    const double stepped = d + -w[6] * (g - 3) * (10 - d) / 9;
    const double difficulty =
        std::clamp(w[7] * initialDifficulty(Grade::Easy, w) + (1 - w[7]) * stepped, 1.0, 10.0);

    double stability = 0;
    if (days == 0) {
        double gain = std::pow(s, -w[19]) * std::exp(w[17] * (g - 3 + w[18]));
        if (grade != Grade::Again)
            gain = std::max(gain, 1.0);
        stability = s * gain;
    } else if (grade == Grade::Again) {
        const double forgotten =
            w[11] * std::pow(d, -w[12]) * (std::pow(s + 1, w[13]) - 1) * std::exp(w[14] * (1 - r));
        stability = std::min(s / std::exp(w[17] * w[18]), forgotten);
    } else {
        const double hard = grade == Grade::Hard ? w[15] : 1;
        const double easy = grade == Grade::Easy ? w[16] : 1;
        stability = s * (1 + std::exp(w[8]) * (11 - d) * std::pow(s, -w[9]) *
                                 (std::exp(w[10] * (1 - r)) - 1) * hard * easy);
    }
    return {difficulty, clampStability(stability)};
}

} // namespace fsrs

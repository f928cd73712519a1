#pragma once

#include <algorithm>
#include <array>
#include <cmath>

// The memory model's equations, written once for any number type: plain numbers for the
// revision plan, numbers carrying their derivatives for fitting the weights to a learner.
namespace fsrs::model {

template <class T> using Weights = std::array<T, 21>;

template <class T> struct StateOf {
    T difficulty{};
    T stability{};
};

inline double valueOf(double x)
{
    return x;
}

// `x` held within [low, high]; held, it no longer moves with the weights.
template <class T> T bounded(const T& x, double low, double high)
{
    const double v = valueOf(x);
    return v < low ? T(low) : v > high ? T(high) : x;
}

inline constexpr double kLeastStability = 0.001;
inline constexpr double kMostStability = 36500;

template <class T> T factor(const Weights<T>& w)
{
    using std::pow;
    return pow(0.9, T(1) / -w[20]) - 1;
}

// The chance of recall on the curve of `factor` and `decay` (-w20), worked out once for many.
template <class T> T recallOn(double days, const T& stability, const T& factor, const T& decay)
{
    using std::pow;
    return pow(1 + factor * days / stability, decay);
}

template <class T> T recall(double days, const T& stability, const Weights<T>& w)
{
    return recallOn(days, stability, factor(w), -w[20]);
}

// The first difficulty, before it is clamped: the difficulty update pulls towards Easy's.
template <class T> T initialDifficulty(int grade, const Weights<T>& w)
{
    using std::exp;
    return w[4] - exp((grade - 1) * w[5]) + 1;
}

template <class T> StateOf<T> first(int grade, const Weights<T>& w)
{
    const T& s0 = w[grade - 1];
    return {bounded(initialDifficulty(grade, w), 1, 10),
            bounded(valueOf(s0) < 0.1 ? T(0.1) : s0, kLeastStability, kMostStability)};
}

template <class T>
StateOf<T> next(const StateOf<T>& state, int days, int grade, const Weights<T>& w)
{
    using std::exp;
    using std::pow;
    const double g = grade;
    const T& d = state.difficulty;
    const T& s = state.stability;

    const T stepped = d + -w[6] * (g - 3) * (10 - d) / 9;
    const T difficulty = bounded(w[7] * initialDifficulty(4, w) + (1 - w[7]) * stepped, 1, 10);

    T stability;
    if (days == 0) {
        T gain = pow(s, -w[19]) * exp(w[17] * (g - 3 + w[18]));
        if (grade != 1 && valueOf(gain) < 1)
            gain = T(1);
        stability = s * gain;
    } else {
        const T r = recall(days, s, w);
        if (grade == 1) {
            const T forgotten =
                w[11] * pow(d, -w[12]) * (pow(s + 1, w[13]) - 1) * exp(w[14] * (1 - r));
            const T kept = s / exp(w[17] * w[18]);
            stability = valueOf(kept) < valueOf(forgotten) ? kept : forgotten;
        } else {
            T growth = exp(w[8]) * (11 - d) * pow(s, -w[9]) * (exp(w[10] * (1 - r)) - 1);
            if (grade == 2)
                growth = growth * w[15];
            if (grade == 4)
                growth = growth * w[16];
            stability = s * (1 + growth);
        }
    }
    return {difficulty, bounded(stability, kLeastStability, kMostStability)};
}

// An item's memory through its reviews, as the revision plan keeps it: repetitions on one day
// may confirm or weaken an item, never send it further away than the day's best single answer
// would have (the same-day equation alone lets ten Easy repetitions of a new verse in one
// evening put it off for months).
template <class T> struct Track {
    StateOf<T> state;
    StateOf<T> dayStart; // the state the day of the last review found
    int gap = -1;        // days from the review before that day to it; -1 on the first day
    int dayBest = 0;     // the best grade of that day
};

// `track` after a review graded `grade`, `days` after the last one (none before: a first review).
template <class T>
void review(Track<T>& track, int days, int grade, const Weights<T>& w, bool isFirst)
{
    if (isFirst) {
        track = {first(grade, w), {}, -1, grade};
        return;
    }
    if (days > 0) {
        track.dayStart = track.state;
        track.gap = days;
        track.dayBest = grade;
        track.state = next(track.state, days, grade, w);
        return;
    }
    track.dayBest = std::max(track.dayBest, grade);
    const T single = track.gap >= 0 ? next(track.dayStart, track.gap, track.dayBest, w).stability
                                    : first(track.dayBest, w).stability;
    track.state = next(track.state, 0, grade, w);
    if (valueOf(single) < valueOf(track.state.stability))
        track.state.stability = single;
}

} // namespace fsrs::model

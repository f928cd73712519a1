#pragma once

#include "schedule/fsrsmodel.h"

#include <array>

// The memory of one item, as the published FSRS-6 model has it: how hard the item is and how
// long it stays remembered, updated by each review's grade and the days since the last one.
// The revision plan asks it when an item's chance of recall falls below what the learner wants.
namespace fsrs {

enum class Grade { Again = 1, Hard = 2, Good = 3, Easy = 4 };

// The bounds of a stability, in days.
using model::kLeastStability;
using model::kMostStability;

// difficulty: 1 to 10; stability: days after which the chance of recall has fallen to 90 %.
using State = model::StateOf<double>;

using Parameters = model::Weights<double>;
inline constexpr Parameters kDefaults{0.212,  1.2931, 2.3065, 8.2956, 6.4133, 0.8334, 3.0194,
                                      0.001,  1.8722, 0.1666, 0.796,  1.4835, 0.0614, 0.2629,
                                      1.6483, 0.6014, 1.8729, 0.5425, 0.0912, 0.0658, 0.1542};

// The chance of recall `days` after the last review.
double recall(double days, double stability, const Parameters& w = kDefaults);

// Whole days until the chance of recall falls to `retention`: at least 1, at most 36,500.
int interval(double stability, double retention, const Parameters& w = kDefaults);

// The state after an item's first review.
State first(Grade grade, const Parameters& w = kDefaults);

// The state after a later review, `days` whole calendar days after the last one (0: again on
// the same day; itemmemory::after bounds what repetitions on one day may do).
State next(const State& state, int days, Grade grade, const Parameters& w = kDefaults);

} // namespace fsrs

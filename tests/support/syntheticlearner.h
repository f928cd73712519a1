#pragma once

#include "schedule/fitting.h"

// Learners whose memory follows known weights, made by the tests and the bench: each day they
// learn a few new entries and revise those due, some a few days early or late, now and then
// again on the same day; each answer is recalled or forgotten as the weights have it.
namespace synthetic {

struct Learner {
    fsrs::Parameters weights = fsrs::kDefaults;
    // From this many days after the first on, the memory follows `later` instead.
    int changesAfter = -1;
    fsrs::Parameters later = fsrs::kDefaults;
    int newPerDay = 20;
    unsigned seed = 1;
};

// The weights of a learner unlike the average one: slower to forget a verse once it is known,
// quicker to lose one they stumbled on.
fsrs::Parameters unlikeTheDefaults();

// The learner's answers until they number `reviews`, the first on Julian day 2,460,000.
fitting::Log answers(const Learner& learner, int reviews);

} // namespace synthetic

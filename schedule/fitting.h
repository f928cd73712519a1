#pragma once

#include "schedule/fsrs.h"

#include <atomic>
#include <functional>
#include <limits>
#include <vector>

// The memory model's weights fitted to one learner's own reviews: every review that follows an
// earlier one of its item is a sample, whose outcome (recalled or not) the model predicted from
// the replay before it; the weights that predict the samples best, judged on the latest reviews
// held out of the fit, are the learner's.
namespace fitting {

struct Answer {
    int day = 0;   // a Julian day
    int grade = 0; // 1 to 4
};
// One item's answers, oldest first; an item edited since starts a sequence of its own.
using Sequence = std::vector<Answer>;
using Log = std::vector<Sequence>;

// Fewer samples than this tell the weights too little to be worth moving them.
inline constexpr int kLeastSamples = 1000;
// The latest share of the samples, by day, held out of the fit to judge it.
inline constexpr double kHeldOutShare = 0.2;

// The range each weight is held in.
extern const fsrs::Parameters kLowest;
extern const fsrs::Parameters kHighest;
fsrs::Parameters bounded(fsrs::Parameters weights);

// Every review with one before it of its item.
int sampleCount(const Log& log);
// The first day of the reviews held out: the latest `kHeldOutShare` of the samples, whole days.
int heldOutFrom(const Log& log);

// The samples of reviews on days from `from` to before `until`, and the mean cross-entropy
// between their outcomes and the model's chance of recall.
struct Days {
    int from = std::numeric_limits<int>::min();
    int until = std::numeric_limits<int>::max();
};
struct Loss {
    double value = 0;
    int samples = 0;
    fsrs::Parameters gradient{}; // by each weight
};
Loss loss(const Log& log, const fsrs::Parameters& weights, Days days = {});
Loss lossWithGradient(const Log& log, const fsrs::Parameters& weights, Days days = {});

// The first stabilities (w0 to w3) that best predict each first grade's next review on a later
// day, before `until`; a grade with too few such reviews keeps a value between its neighbours'.
// In order: S0(Again) <= S0(Hard) <= S0(Good) <= S0(Easy).
fsrs::Parameters initialStabilities(const Log& log, fsrs::Parameters weights, int until);

struct Result {
    enum Status { Fitted, TooFew, Cancelled };
    Status status = TooFew;
    int samples = 0; // the reviews that count
    int heldOut = 0; // of them, the latest held out
    fsrs::Parameters weights{};
    double lossCurrent = 0; // on the reviews held out, with the weights in use
    double lossFitted = 0;  // and with the fitted ones
    double lossDefaults = 0;
    // Whether the fitted weights predict the held-out reviews better than those in use.
    bool helps() const { return status == Fitted && lossFitted < lossCurrent; }
};

// Whether a fit is worth offering the learner with `samples` now, the last fit having seen
// `lastFit` (0: none yet): once there are enough, and again each time they have grown by half.
bool worthOffering(int samples, int lastFit);

// Settings of the optimiser (Adam, its learning rate cosine-annealed to nothing).
struct Settings {
    double learningRate = 0.04;
    int batch = 512; // samples a step, whole sequences
    int epochs = 5;
    unsigned seed = 2023;
};

// Fits the weights to `log`, starting from the defaults, judged against `current`; `progress`
// hears each new whole percent, `cancel` stops it between steps.
using Progress = std::function<void(int percent)>;
Result fit(const Log& log, const fsrs::Parameters& current, const Progress& progress = {},
           const std::atomic_bool* cancel = nullptr, const Settings& settings = {});

} // namespace fitting

#include "schedule/fitting.h"

#include "schedule/dual.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <random>

namespace fitting {

const fsrs::Parameters kLowest{0.001, 0.001, 0.001, 0.001, 1, 0.001, 0.001, 0.001, 0,    0,  0.001,
                               0.001, 0.001, 0.001, 0,     0, 1,     0,     0,     0.01, 0.1};
const fsrs::Parameters kHighest{100, 100,  100, 100, 10, 4, 4, 0.75, 4.5, 0.8, 3.5,
                                5,   0.25, 0.9, 4,   1,  6, 2, 2,    0.8, 0.8};

fsrs::Parameters bounded(fsrs::Parameters weights)
{
    for (int i = 0; i < kWeights; ++i)
        weights[i] = std::clamp(weights[i], kLowest[i], kHighest[i]);
    return weights;
}

namespace {

using fsrs::model::Weights;

// The log-likelihood of the samples of `sequence` on `days` under `w`, added to `total`.
template <class T>
void addSamples(const Sequence& sequence, const Weights<T>& w, Days days, T& total, int& samples)
{
    using std::log;
    fsrs::model::Track<T> track;
    for (size_t k = 0; k < sequence.size(); ++k) {
        const Answer& answer = sequence[k];
        if (answer.day >= days.until)
            break;
        const int t = k > 0 ? answer.day - sequence[k - 1].day : 0;
        if (k > 0 && answer.day >= days.from) {
            const T r = fsrs::model::bounded(
                fsrs::model::recall(double(t), track.state.stability, w), 0.0001, 0.9999);
            total = total + (answer.grade > 1 ? log(r) : log(1 - r));
            ++samples;
        }
        fsrs::model::review(track, t, answer.grade, w, k == 0);
    }
}

Loss lossOf(const Log& log, const std::vector<int>* chosen, const fsrs::Parameters& weights,
            Days days, bool withGradient)
{
    Loss loss;
    auto each = [&](auto&& take) {
        if (chosen)
            for (int index : *chosen)
                take(log[index]);
        else
            for (const Sequence& sequence : log)
                take(sequence);
    };
    if (!withGradient) {
        double total = 0;
        each([&](const Sequence& s) { addSamples(s, weights, days, total, loss.samples); });
        loss.value = loss.samples > 0 ? -total / loss.samples : 0;
        return loss;
    }
    Weights<Dual> w;
    for (int i = 0; i < kWeights; ++i)
        w[i] = Dual::variable(weights[i], i);
    Dual total;
    each([&](const Sequence& s) { addSamples(s, w, days, total, loss.samples); });
    if (loss.samples > 0) {
        loss.value = -total.value / loss.samples;
        for (int i = 0; i < kWeights; ++i)
            loss.gradient[i] = -total.d[i] / loss.samples;
    }
    return loss;
}

// Each first grade's next reviews on a later day: by the days between, how many and how many
// recalled.
struct Outcomes {
    int count = 0;
    std::vector<std::array<int, 3>> byDays; // days, reviews, recalled
};

// The first stability that best predicts `outcomes`, by golden-section search on its logarithm.
double bestStability(const Outcomes& outcomes, const fsrs::Parameters& w, double low, double high)
{
    auto cost = [&](double logS) {
        const double s = std::exp(logS);
        double total = 0;
        for (const auto& [days, reviews, recalled] : outcomes.byDays) {
            const double r = std::clamp(fsrs::recall(days, s, w), 0.0001, 0.9999);
            total -= recalled * std::log(r) + (reviews - recalled) * std::log(1 - r);
        }
        return total;
    };
    const double golden = (std::sqrt(5.0) - 1) / 2;
    double a = std::log(low);
    double b = std::log(high);
    double c = b - golden * (b - a);
    double d = a + golden * (b - a);
    double fc = cost(c);
    double fd = cost(d);
    for (int step = 0; step < 60; ++step) {
        if (fc < fd) {
            b = d;
            d = c;
            fd = fc;
            c = b - golden * (b - a);
            fc = cost(c);
        } else {
            a = c;
            c = d;
            fc = fd;
            d = a + golden * (b - a);
            fd = cost(d);
        }
    }
    return std::exp((a + b) / 2);
}

// Fewer next reviews after a first grade than this leave its stability as it was.
constexpr int kLeastFirstOutcomes = 50;

} // namespace

int sampleCount(const Log& log)
{
    int samples = 0;
    for (const Sequence& sequence : log)
        samples += int(std::max<size_t>(sequence.size(), 1) - 1);
    return samples;
}

int heldOutFrom(const Log& log)
{
    std::vector<int> days;
    days.reserve(size_t(sampleCount(log)));
    for (const Sequence& sequence : log)
        for (size_t k = 1; k < sequence.size(); ++k)
            days.push_back(sequence[k].day);
    if (days.empty())
        return std::numeric_limits<int>::max();
    const auto split = days.begin() + std::ptrdiff_t(double(days.size()) * (1 - kHeldOutShare));
    std::nth_element(days.begin(), split, days.end());
    return *split;
}

Loss loss(const Log& log, const fsrs::Parameters& weights, Days days)
{
    return lossOf(log, nullptr, weights, days, false);
}

Loss lossWithGradient(const Log& log, const fsrs::Parameters& weights, Days days)
{
    return lossOf(log, nullptr, weights, days, true);
}

fsrs::Parameters initialStabilities(const Log& log, fsrs::Parameters weights, int until)
{
    std::array<Outcomes, 4> outcomes;
    for (const Sequence& sequence : log) {
        if (sequence.size() < 2 || sequence[1].day == sequence[0].day || sequence[1].day >= until)
            continue;
        Outcomes& grade = outcomes[size_t(sequence[0].grade - 1)];
        const int days = sequence[1].day - sequence[0].day;
        auto found = std::find_if(grade.byDays.begin(), grade.byDays.end(),
                                  [&](const auto& entry) { return entry[0] == days; });
        if (found == grade.byDays.end())
            found = grade.byDays.insert(grade.byDays.end(), {days, 0, 0});
        ++(*found)[1];
        (*found)[2] += sequence[1].grade > 1 ? 1 : 0;
        ++grade.count;
    }
    std::array<std::optional<double>, 4> fitted;
    double floor = kLowest[0];
    for (int g = 0; g < 4; ++g) {
        if (outcomes[g].count < kLeastFirstOutcomes)
            continue;
        fitted[g] = std::max(floor, bestStability(outcomes[g], weights, kLowest[g], kHighest[g]));
        floor = *fitted[g];
    }
    for (int g = 0; g < 4; ++g) {
        if (fitted[g]) {
            weights[g] = *fitted[g];
            continue;
        }
        const double low = g > 0 ? weights[g - 1] : kLowest[g];
        double high = kHighest[g];
        for (int above = g + 1; above < 4; ++above)
            if (fitted[above]) {
                high = *fitted[above];
                break;
            }
        weights[g] = std::clamp(weights[g], low, std::max(low, high));
    }
    return weights;
}

bool worthOffering(int samples, int lastFit)
{
    return samples >= kLeastSamples && 2LL * samples >= 3LL * lastFit;
}

Result fit(const Log& log, const fsrs::Parameters& current, const Progress& progress,
           const std::atomic_bool* cancel, const Settings& settings)
{
    Result result;
    result.samples = sampleCount(log);
    const int from = heldOutFrom(log);
    const Days training{std::numeric_limits<int>::min(), from};
    const Days heldOut{from, std::numeric_limits<int>::max()};
    const Loss defaults = loss(log, fsrs::kDefaults, heldOut);
    result.heldOut = defaults.samples;
    result.lossDefaults = defaults.value;
    if (result.samples < kLeastSamples || result.heldOut == result.samples)
        return result;

    // Sequences with a sample to learn from, each with how many.
    std::vector<std::pair<int, int>> learnable;
    for (int index = 0; index < int(log.size()); ++index) {
        const Sequence& sequence = log[size_t(index)];
        int samples = 0;
        for (size_t k = 1; k < sequence.size() && sequence[k].day < from; ++k)
            ++samples;
        if (samples > 0)
            learnable.emplace_back(index, samples);
    }
    // Every epoch's batches, made first: the learning rate is annealed over all of them.
    std::mt19937 random(settings.seed);
    std::vector<std::vector<int>> batches;
    for (int epoch = 0; epoch < settings.epochs; ++epoch) {
        for (size_t i = learnable.size(); i > 1; --i)
            std::swap(learnable[i - 1], learnable[random() % i]);
        int filled = 0;
        for (const auto& [index, samples] : learnable) {
            if (batches.empty() || filled >= settings.batch) {
                batches.emplace_back();
                filled = 0;
            }
            batches.back().push_back(index);
            filled += samples;
        }
    }

    fsrs::Parameters w = initialStabilities(log, fsrs::kDefaults, from);
    fsrs::Parameters m{};
    fsrs::Parameters v{};
    constexpr double kBeta1 = 0.9;
    constexpr double kBeta2 = 0.999;
    constexpr double kEpsilon = 1e-8;
    int percent = -1;
    for (size_t step = 0; step < batches.size(); ++step) {
        if (cancel && cancel->load()) {
            result.status = Result::Cancelled;
            return result;
        }
        const Loss batch = lossOf(log, &batches[step], w, training, true);
        const double rate =
            settings.learningRate / 2 *
            (1 + std::cos(std::numbers::pi * double(step) / double(batches.size())));
        const double t = double(step + 1);
        for (int i = 4; i < kWeights; ++i) { // the first stabilities are fitted already
            const double g = batch.gradient[i];
            if (!std::isfinite(g))
                continue; // a step that tells nothing of this weight leaves it be
            m[i] = kBeta1 * m[i] + (1 - kBeta1) * g;
            v[i] = kBeta2 * v[i] + (1 - kBeta2) * g * g;
            const double mHat = m[i] / (1 - std::pow(kBeta1, t));
            const double vHat = v[i] / (1 - std::pow(kBeta2, t));
            w[i] -= rate * mHat / (std::sqrt(vHat) + kEpsilon);
        }
        w = bounded(w);
        if (const int now = int((step + 1) * 100 / batches.size()); progress && now != percent)
            progress(percent = now);
    }
    result.status = Result::Fitted;
    result.weights = w;
    result.lossFitted = loss(log, w, heldOut).value;
    result.lossCurrent =
        current == fsrs::kDefaults ? defaults.value : loss(log, current, heldOut).value;
    return result;
}

} // namespace fitting

// zorvel-fit-bench: fitting the memory model to a learner's reviews. Learners made from known
// weights unlike the defaults give 10,000 and 100,000 reviews; each fit is timed on one core
// beside one replay of the same answers, and judged by its loss on the latest reviews held out
// and by how far its intervals stand from the learner's true ones; and Today's table of what
// each retention costs over the same learner's memories. Run alone, so that its peak
// memory is the fit's.

#include "measuring.h"

#include "schedule/fitting.h"
#include "schedule/retentioncost.h"
#include "schedule/revisionplan.h"
#include "tests/support/syntheticlearner.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cmath>

namespace {

// The answers as the history hands them to the replay: an item a sequence, a day at noon.
QList<Review> reviewsOf(const fitting::Log& log)
{
    QList<Review> reviews;
    for (int item = 0; item < int(log.size()); ++item)
        for (const fitting::Answer& answer : log[size_t(item)]) {
            Review review;
            review.number = item + 1;
            review.text = QString::number(item);
            review.grade = answer.grade;
            review.drill = Drill::Recall;
            review.day = QDate::fromJulianDay(answer.day);
            reviews.append(review);
        }
    std::stable_sort(reviews.begin(), reviews.end(),
                     [](const Review& a, const Review& b) { return a.day < b.day; });
    return reviews;
}

// The median relative error of the 90 % intervals `weights` give each item after its answers,
// against those of the weights that made them.
double intervalError(const fitting::Log& log, const fsrs::Parameters& weights,
                     const fsrs::Parameters& truth)
{
    std::vector<double> errors;
    for (const fitting::Sequence& sequence : log) {
        if (sequence.size() < 2)
            continue;
        fsrs::model::Track<double> fitted;
        fsrs::model::Track<double> real;
        for (size_t k = 0; k < sequence.size(); ++k) {
            const int days = k ? sequence[k].day - sequence[k - 1].day : 0;
            fsrs::model::review(fitted, days, sequence[k].grade, weights, k == 0);
            fsrs::model::review(real, days, sequence[k].grade, truth, k == 0);
        }
        const double wanted = fsrs::interval(real.state.stability, 0.9, truth);
        errors.push_back(std::abs(fsrs::interval(fitted.state.stability, 0.9, weights) - wanted) /
                         wanted);
    }
    return median(errors);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    out << "| Measured | Value | Reference | Value | Ratio |\n|---|---|---|---|---|\n" << Qt::flush;
    for (int reviews : {10000, 100000}) {
        synthetic::Learner learner;
        learner.weights = synthetic::unlikeTheDefaults();
        learner.seed = 2026;
        const fitting::Log log = synthetic::answers(learner, reviews);
        const QList<Review> replayed = reviewsOf(log);
        const QString count = QLocale(QLocale::English).toString(reviews);
        fitting::Result fit;
        const double fitting = measure(3, [&] { fit = fitting::fit(log, fsrs::kDefaults); });
        const double replay = measure(3, [&] { revisionplan::replay(replayed); });
        row(QStringLiteral("fit the weights to %1 reviews").arg(count), fitting,
            QStringLiteral("replay them once"), replay);
        const double truth =
            fitting::loss(log, learner.weights, {fitting::heldOutFrom(log), INT_MAX}).value;
        row(QStringLiteral("held-out loss of the fitted weights, %1 reviews").arg(count),
            fit.lossFitted, QStringLiteral("of the defaults"), fit.lossDefaults, QString());
        row(QStringLiteral("held-out loss of the fitted weights, %1 reviews").arg(count),
            fit.lossFitted, QStringLiteral("of the learner's true weights"), truth, QString());
        row(QStringLiteral("median interval error, fitted, %1 reviews (%)").arg(count),
            100 * intervalError(log, fit.weights, learner.weights),
            QStringLiteral("with the defaults (%)"),
            100 * intervalError(log, fsrs::kDefaults, learner.weights), QString());
        // Today's table of what each retention costs, over the learner's memories.
        const QList<ItemMemory> memories = revisionplan::replay(replayed).values();
        const QDate today = QDate::fromJulianDay(log.back().back().day + 1);
        const double costs = measure(3, [&] {
            retentioncost::costs(memories, today, retentioncost::comparedWith(0.92),
                                 fsrs::kDefaults);
        });
        row(QStringLiteral("what 4 retentions cost over %1 memories")
                .arg(QLocale(QLocale::English).toString(memories.size())),
            costs, QStringLiteral("replay their answers once"), replay);
    }
    row(QStringLiteral("peak memory after fitting 100,000 reviews"), peakMegabytes(),
        QStringLiteral("the goal"), 200, QStringLiteral("MiB"));
    return 0;
}

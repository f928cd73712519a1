#include "schedule/fitting.h"
#include "tests/support/syntheticlearner.h"

#include <QTest>

#include <cmath>

using fitting::Log;
Q_DECLARE_METATYPE(fsrs::Parameters)

// Fitting the memory model's weights to one learner: the loss and its gradient, the first
// stabilities, and fits of learners whose weights are known.
class tst_fitting : public QObject {
    Q_OBJECT
private slots:
    void lossOfKnownReviews_data();
    void lossOfKnownReviews();
    void gradientAgreesWithFiniteDifferences_data();
    void gradientAgreesWithFiniteDifferences();
    void firstStabilitiesStayInOrder_data();
    void firstStabilitiesStayInOrder();
    void fitRecoversALearnersWeights();
    void extremeLearnersStayInBounds_data();
    void extremeLearnersStayInBounds();
    void fitNoBetterThanTheWeightsInUseIsNotKept();
    void tooFewReviewsAreRefused();
    void aStoppedFitFindsNothing();
    void aFitIsOfferedAgainOnceTheReviewsGrewByHalf_data();
    void aFitIsOfferedAgainOnceTheReviewsGrewByHalf();
};

namespace {

// The cross-entropy of one sample recalled (or not) with chance `r`.
double crossEntropy(bool recalled, double r)
{
    return recalled ? -std::log(r) : -std::log(1 - r);
}

} // namespace

void tst_fitting::lossOfKnownReviews_data()
{
    QTest::addColumn<Log>("log");
    QTest::addColumn<double>("expected");
    QTest::addColumn<int>("samples");
    const double good = fsrs::first(fsrs::Grade::Good).stability;
    QTest::newRow("one answer: no sample") << Log{{{10, 3}}} << 0.0 << 0;
    QTest::newRow("recalled three days on")
        << Log{{{10, 3}, {13, 3}}} << crossEntropy(true, fsrs::recall(3, good)) << 1;
    QTest::newRow("forgotten three days on")
        << Log{{{10, 3}, {13, 1}}} << crossEntropy(false, fsrs::recall(3, good)) << 1;
    // Again on the same day: the model is sure of a recall, held just short of it.
    QTest::newRow("forgotten the same day") << Log{{{10, 3}, {10, 1}}} << -std::log(0.0001) << 1;
    const fsrs::State second = fsrs::next(fsrs::first(fsrs::Grade::Good), 3, fsrs::Grade::Good);
    QTest::newRow("two items, the mean")
        << Log{{{10, 3}, {13, 3}, {20, 1}}, {{10, 3}, {13, 1}}}
        << (crossEntropy(true, fsrs::recall(3, good)) +
            crossEntropy(false, fsrs::recall(7, second.stability)) +
            crossEntropy(false, fsrs::recall(3, good))) /
               3
        << 3;
}

void tst_fitting::lossOfKnownReviews()
{
    QFETCH(Log, log);
    QFETCH(double, expected);
    QFETCH(int, samples);
    const fitting::Loss loss = fitting::loss(log, fsrs::kDefaults);
    QCOMPARE(loss.samples, samples);
    QVERIFY2(std::abs(loss.value - expected) < 1e-9, qPrintable(QString::number(loss.value)));
    QVERIFY(std::abs(fitting::lossWithGradient(log, fsrs::kDefaults).value - loss.value) < 1e-12);
}

// The gradient through the replay, by every weight, is the slope of the loss itself.
void tst_fitting::gradientAgreesWithFiniteDifferences_data()
{
    QTest::addColumn<Log>("log");
    QTest::addColumn<fsrs::Parameters>("weights");
    const Log small = synthetic::answers({}, 600);
    QTest::newRow("the defaults") << small << fsrs::kDefaults;
    QTest::newRow("another learner's") << small << synthetic::unlikeTheDefaults();
    synthetic::Learner forgetful;
    forgetful.weights[10] = 0.2; // lapses and same-day repetitions aplenty
    forgetful.seed = 7;
    QTest::newRow("a forgetful learner")
        << synthetic::answers(forgetful, 600) << synthetic::unlikeTheDefaults();
}

void tst_fitting::gradientAgreesWithFiniteDifferences()
{
    QFETCH(Log, log);
    QFETCH(fsrs::Parameters, weights);
    const fitting::Loss loss = fitting::lossWithGradient(log, weights);
    for (int i = 0; i < 21; ++i) {
        const double h = 1e-6 * std::max(1.0, std::abs(weights[i]));
        fsrs::Parameters up = weights;
        fsrs::Parameters down = weights;
        up[i] += h;
        down[i] -= h;
        const double slope =
            (fitting::loss(log, up).value - fitting::loss(log, down).value) / (2 * h);
        QVERIFY2(std::abs(loss.gradient[i] - slope) <= 1e-5 + 1e-4 * std::abs(slope),
                 qPrintable(
                     QStringLiteral("w%1: %2 against %3").arg(i).arg(loss.gradient[i]).arg(slope)));
    }
}

// Each first grade's stability is fitted to what followed it, and the four stay in order.
void tst_fitting::firstStabilitiesStayInOrder_data()
{
    QTest::addColumn<Log>("log");
    QTest::addColumn<QList<int>>("fitted"); // the grades whose stability moved
    auto firsts = [](int grade, int count, int days, int recalled, Log log = {}) {
        for (int n = 0; n < count; ++n)
            log.push_back({{100, grade}, {100 + days, n < recalled ? 3 : 1}});
        return log;
    };
    QTest::newRow("Good alone, well remembered") << firsts(3, 200, 10, 190) << QList<int>{3};
    // Hard's next reviews went better than Good's: both are held to one value, in order.
    QTest::newRow("Hard better than Good")
        << firsts(2, 200, 10, 195, firsts(3, 200, 10, 150)) << QList<int>{2, 3};
    QTest::newRow("too few to tell") << firsts(4, 20, 30, 5) << QList<int>{};
    // Same-day second answers say nothing of the first stability.
    QTest::newRow("again the same day") << firsts(3, 200, 0, 100) << QList<int>{};
}

void tst_fitting::firstStabilitiesStayInOrder()
{
    QFETCH(Log, log);
    QFETCH(QList<int>, fitted);
    const fsrs::Parameters w =
        fitting::initialStabilities(log, fsrs::kDefaults, std::numeric_limits<int>::max());
    // A grade without enough answers keeps its stability, or takes a neighbour's to keep order.
    for (int g = 1; g <= 4; ++g)
        QVERIFY(fitted.contains(g)
                    ? w[g - 1] != fsrs::kDefaults[g - 1]
                    : w[g - 1] == fsrs::kDefaults[g - 1] || (g > 1 && w[g - 1] == w[g - 2]) ||
                          (g < 4 && w[g - 1] == w[g]));
    QVERIFY(w[0] <= w[1] && w[1] <= w[2] && w[2] <= w[3]);
    if (fitted == QList<int>{3}) // 95 % recalled 10 days on: a stability beyond ten days
        QVERIFY2(w[2] > 10, qPrintable(QString::number(w[2])));
}

// A learner of known weights unlike the defaults: 20,000 answers fitted predict their latest
// answers about as well as the weights that made them, and far better than the defaults.
void tst_fitting::fitRecoversALearnersWeights()
{
    synthetic::Learner learner;
    learner.weights = synthetic::unlikeTheDefaults();
    learner.seed = 42;
    const Log log = synthetic::answers(learner, 20000);
    int reported = 0;
    const fitting::Result fit =
        fitting::fit(log, fsrs::kDefaults, [&](int percent) { reported = percent; });
    QCOMPARE(fit.status, fitting::Result::Fitted);
    QCOMPARE(reported, 100);
    const double truth =
        fitting::loss(log, learner.weights, {fitting::heldOutFrom(log), INT_MAX}).value;
    qInfo("held-out loss: defaults %.4f, fitted %.4f, the learner's own %.4f", fit.lossDefaults,
          fit.lossFitted, truth);
    QVERIFY(fit.lossDefaults > truth + 0.005); // the defaults are wrong for this learner
    QVERIFY(fit.lossFitted < truth + 0.002);
    QVERIFY(fit.helps());
    // The same log fits the same weights.
    QCOMPARE(fitting::fit(log, fsrs::kDefaults).weights, fit.weights);
}

// Answers that drive the weights to their ends: each is held in its range, S0 in order.
void tst_fitting::extremeLearnersStayInBounds_data()
{
    QTest::addColumn<Log>("log");
    const Log learnt = synthetic::answers({}, 5000);
    auto everyLater = [&](int grade) {
        Log log = learnt;
        for (fitting::Sequence& sequence : log)
            for (size_t k = 1; k < sequence.size(); ++k)
                sequence[k].grade = grade;
        return log;
    };
    QTest::newRow("remembers everything, easily") << everyLater(4);
    QTest::newRow("forgets everything") << everyLater(1);
}

void tst_fitting::extremeLearnersStayInBounds()
{
    QFETCH(Log, log);
    const fitting::Result fit = fitting::fit(log, fsrs::kDefaults);
    QCOMPARE(fit.status, fitting::Result::Fitted);
    for (int i = 0; i < 21; ++i)
        QVERIFY2(std::isfinite(fit.weights[i]) && fit.weights[i] >= fitting::kLowest[i] &&
                     fit.weights[i] <= fitting::kHighest[i],
                 qPrintable(QStringLiteral("w%1 = %2").arg(i).arg(fit.weights[i])));
    QVERIFY(fit.weights[0] <= fit.weights[1] && fit.weights[1] <= fit.weights[2] &&
            fit.weights[2] <= fit.weights[3]);
}

// A learner whose own weights are in use already: a fit to the same answers, from the defaults,
// predicts their latest answers no better, and is not kept.
void tst_fitting::fitNoBetterThanTheWeightsInUseIsNotKept()
{
    synthetic::Learner learner;
    learner.weights = synthetic::unlikeTheDefaults();
    learner.seed = 42;
    const fitting::Result fit = fitting::fit(synthetic::answers(learner, 20000), learner.weights);
    QCOMPARE(fit.status, fitting::Result::Fitted);
    QVERIFY2(!fit.helps(),
             qPrintable(QStringLiteral("%1 against %2").arg(fit.lossFitted).arg(fit.lossCurrent)));
}

void tst_fitting::tooFewReviewsAreRefused()
{
    const Log log = synthetic::answers({}, 900);
    const fitting::Result fit = fitting::fit(log, fsrs::kDefaults);
    QCOMPARE(fit.status, fitting::Result::TooFew);
    QVERIFY(fit.samples < fitting::kLeastSamples);
    QVERIFY(fit.samples > 500); // told how many there are
    QVERIFY(!fit.helps());
}

void tst_fitting::aStoppedFitFindsNothing()
{
    const std::atomic_bool stop = true;
    const fitting::Result fit =
        fitting::fit(synthetic::answers({}, 3000), fsrs::kDefaults, {}, &stop);
    QCOMPARE(fit.status, fitting::Result::Cancelled);
    QVERIFY(!fit.helps());
}

void tst_fitting::aFitIsOfferedAgainOnceTheReviewsGrewByHalf_data()
{
    QTest::addColumn<int>("samples");
    QTest::addColumn<int>("lastFit");
    QTest::addColumn<bool>("offered");
    QTest::newRow("too few, never fitted") << 999 << 0 << false;
    QTest::newRow("enough, never fitted") << 1000 << 0 << true;
    QTest::newRow("a third more") << 4000 << 3000 << false;
    QTest::newRow("half as many again") << 4500 << 3000 << true;
    QTest::newRow("fewer than at the last fit") << 2000 << 3000 << false;
}

void tst_fitting::aFitIsOfferedAgainOnceTheReviewsGrewByHalf()
{
    QFETCH(int, samples);
    QFETCH(int, lastFit);
    QFETCH(bool, offered);
    QCOMPARE(fitting::worthOffering(samples, lastFit), offered);
}

QTEST_GUILESS_MAIN(tst_fitting)
#include "tst_fitting.moc"

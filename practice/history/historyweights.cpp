// The memory model's weights the history keeps for its learner: the defaults until a fit to
// their own reviews is kept. Every memory is made again from the log when the weights change.

#include "practice/history/PracticeHistory.h"

#include "practice/history/historydatabase.h"
#include "schedule/revisionplan.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

QString weightsText(const fsrs::Parameters& weights)
{
    QStringList numbers;
    for (double weight : weights)
        numbers.append(QString::number(weight, 'g', 17));
    return numbers.join(u' ');
}

// Weights as kept; none where the text is not 21 numbers each in its range.
std::optional<fsrs::Parameters> weightsOf(const QString& text)
{
    const QStringList numbers = text.split(u' ');
    if (numbers.size() != int(fsrs::Parameters().size()))
        return std::nullopt;
    fsrs::Parameters weights{};
    for (int i = 0; i < numbers.size(); ++i) {
        bool isNumber = false;
        weights[i] = numbers[i].toDouble(&isNumber);
        if (!isNumber)
            return std::nullopt;
    }
    if (fitting::bounded(weights) != weights)
        return std::nullopt;
    return weights;
}

} // namespace

PracticeHistory::ModelFit PracticeHistory::modelFit() const
{
    ModelFit fit;
    if (!isOpen())
        return fit;
    m_database->select(QStringLiteral("SELECT weights, fitted_on, reviews, held_out, "
                                      "loss_current, loss_fitted, loss_defaults FROM memory_fit"),
                       {}, [&](const QSqlQuery& row) {
                           if (const auto weights = weightsOf(row.value(0).toString())) {
                               fit.weights = *weights;
                               fit.ownWeights = true;
                           }
                           fit.fittedOn = QDate::fromJulianDay(row.value(1).toLongLong());
                           fit.reviews = row.value(2).toInt();
                           fit.heldOut = row.value(3).toInt();
                           fit.lossCurrent = row.value(4).toDouble();
                           fit.lossFitted = row.value(5).toDouble();
                           fit.lossDefaults = row.value(6).toDouble();
                       });
    return fit;
}

bool PracticeHistory::writeFit(const ModelFit& fit, bool newWeights)
{
    QSqlQuery& write = m_database->prepared(
        QStringLiteral("INSERT OR REPLACE INTO memory_fit (id, weights, fitted_on, reviews, "
                       "held_out, loss_current, loss_fitted, loss_defaults) VALUES (1, ?, ?, ?, "
                       "?, ?, ?, ?)"),
        {fit.ownWeights ? QVariant(weightsText(fit.weights)) : QVariant(),
         fit.fittedOn.toJulianDay(), fit.reviews, fit.heldOut, fit.lossCurrent, fit.lossFitted,
         fit.lossDefaults});
    // The memories were made with the weights before: each list's is made again when next read.
    return m_database->exec(write) &&
           (!newWeights || (m_database->run(QStringLiteral("DELETE FROM memory")) &&
                            m_database->run(QStringLiteral("DELETE FROM memory_marks"))));
}

void PracticeHistory::recordFit(const fitting::Result& result, QDate day)
{
    if (!isOpen() || m_readOnly || result.status != fitting::Result::Fitted)
        return;
    ModelFit fit = modelFit();
    if (result.helps()) {
        fit.weights = result.weights;
        fit.ownWeights = true;
    }
    fit.fittedOn = day;
    fit.reviews = result.samples;
    fit.heldOut = result.heldOut;
    fit.lossCurrent = result.lossCurrent;
    fit.lossFitted = result.lossFitted;
    fit.lossDefaults = result.lossDefaults;
    save([fit, kept = result.helps()](PracticeHistory& history) {
        return history.writeFit(fit, kept);
    });
}

void PracticeHistory::useDefaultWeights()
{
    ModelFit fit = modelFit();
    if (!isOpen() || m_readOnly || !fit.ownWeights)
        return;
    fit.weights = fsrs::kDefaults;
    fit.ownWeights = false;
    save([fit](PracticeHistory& history) { return history.writeFit(fit, true); });
}

int PracticeHistory::reviewsToFit() const
{
    int reviews = 0;
    if (!isOpen())
        return reviews;
    // The answers the model counts, less each item's first (an edited one starts afresh).
    m_database->select(
        QStringLiteral("SELECT (SELECT COUNT(*) FROM reviews WHERE grade BETWEEN 1 AND 4 OR "
                       "first_try <> 0) - (SELECT COUNT(*) FROM (SELECT DISTINCT list, "
                       "word_mode, position, text FROM reviews))"),
        {}, [&](const QSqlQuery& row) { reviews = std::max(0, row.value(0).toInt()); });
    return reviews;
}

fitting::Log PracticeHistory::fittingLog() const
{
    fitting::Log log;
    const QDate today = QDate::currentDate();
    for (const KnownList& known : knownLists()) {
        revisionplan::Replay replay(today, fsrs::kDefaults);
        forEachReview(known.key, [&](const Review& review) { replay.add(review); });
        replay.addSequencesTo(log);
    }
    return log;
}

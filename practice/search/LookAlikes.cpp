#include "practice/search/LookAlikes.h"

#include "lists/arabicfold.h"

#include <QHash>

#include <algorithm>
#include <cmath>

namespace {

// The most items a question gathers through the postings of the item's rarest words, and the
// most of them compared word by word.
constexpr qsizetype kMostGathered = 4000;
constexpr int kMostCompared = 20;
// Below this likeness two items share no more than any two passages of a long list do.
constexpr double kSimilarEnough = 0.4;

// The weight of the words `a` and `b` share in the same order.
double sharedInOrder(const QList<int>& a, const QList<int>& b, const QList<double>& weight)
{
    std::vector<double> previous(b.size() + 1, 0.0);
    std::vector<double> current(b.size() + 1, 0.0);
    for (const int word : a) {
        for (qsizetype j = 0; j < b.size(); ++j) {
            const double along = b[j] == word ? previous[j] + weight[word] : 0.0;
            current[j + 1] = std::max({along, previous[j + 1], current[j]});
        }
        std::swap(previous, current);
    }
    return previous.back();
}

} // namespace

LookAlikes::LookAlikes(const QStringList& items)
{
    QHash<QString, int> numbers;
    m_words.reserve(items.size());
    for (qsizetype i = 0; i < items.size(); ++i) {
        QList<int> words;
        for (const QString& folded : arabicfold::foldedWords(items[i])) {
            auto it = numbers.constFind(folded);
            if (it == numbers.cend()) {
                it = numbers.insert(folded, int(m_itemsWith.size()));
                m_itemsWith.append(QList<int>());
            }
            words.append(*it);
            QList<int>& holding = m_itemsWith[*it];
            if (holding.isEmpty() || holding.back() != int(i))
                holding.append(int(i));
        }
        m_words.append(std::move(words));
    }
    const double count = double(items.size());
    m_weight.reserve(m_itemsWith.size());
    for (const QList<int>& holding : std::as_const(m_itemsWith))
        m_weight.append(std::log(count / double(holding.size())) + 0.01);
    m_total.reserve(m_words.size());
    for (const QList<int>& words : std::as_const(m_words)) {
        double total = 0;
        for (const int word : words)
            total += m_weight[word];
        m_total.append(total);
    }
}

double LookAlikes::likeness(int a, int b) const
{
    const QList<int>& mine = m_words[a - 1];
    const QList<int>& theirs = m_words[b - 1];
    const double both = m_total[a - 1] + m_total[b - 1];
    return both > 0 ? 2 * sharedInOrder(mine, theirs, m_weight) / both : 0.0;
}

int LookAlikes::mostLike(int number, int from, int to) const
{
    if (number < 1 || number > m_words.size() || m_words[number - 1].isEmpty())
        return 0;
    const QList<int>& words = m_words[number - 1];
    QList<int> rarest = words;
    // The rarest first, a word said twice kept once.
    std::sort(rarest.begin(), rarest.end(), [&](int a, int b) {
        return m_weight[a] != m_weight[b] ? m_weight[a] > m_weight[b] : a < b;
    });
    rarest.erase(std::unique(rarest.begin(), rarest.end()), rarest.end());

    // Gather the items sharing the rarest words, with the weight they share.
    QHash<int, double> shared;
    qsizetype gathered = 0;
    for (const int word : std::as_const(rarest)) {
        if (gathered > kMostGathered)
            break;
        for (const int item : m_itemsWith[word]) {
            const int other = item + 1;
            if (other != number && (other < from || other > to))
                shared[other] += m_weight[word];
        }
        gathered += m_itemsWith[word].size();
    }
    QList<std::pair<double, int>> candidates;
    candidates.reserve(shared.size());
    for (auto it = shared.cbegin(); it != shared.cend(); ++it)
        candidates.append({it.value(), it.key()});
    const qsizetype compared = std::min<qsizetype>(kMostCompared, candidates.size());
    std::partial_sort(candidates.begin(), candidates.begin() + compared, candidates.end(),
                      std::greater<>());

    int best = 0;
    double bestLikeness = kSimilarEnough;
    for (qsizetype c = 0; c < compared; ++c) {
        const int other = candidates[c].second;
        if (m_words[other - 1] == words)
            continue; // the same text: picking it would be right anyway
        const double alike = likeness(number, other);
        if (alike >= bestLikeness && (alike > bestLikeness || !best)) {
            bestLikeness = alike;
            best = other;
        }
    }
    return best;
}

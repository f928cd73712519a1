#include "LookAlikes.h"

#include "arabicfold.h"

#include <QSet>

namespace {

// The most items a question looks at among those that begin alike (a first word such as "و"
// begins thousands).
constexpr int kMostCompared = 4000;

int sharedBeginning(const QStringList& a, const QStringList& b)
{
    int shared = 0;
    while (shared < a.size() && shared < b.size() && a[shared] == b[shared])
        ++shared;
    return shared;
}

int sharedWords(const QSet<QString>& mine, const QStringList& theirs)
{
    int shared = 0;
    for (const QString& word : theirs)
        shared += mine.contains(word) ? 1 : 0;
    return shared;
}

} // namespace

LookAlikes::LookAlikes(const QStringList& items)
{
    m_words.reserve(items.size());
    for (int n = 1; n <= items.size(); ++n) {
        m_words.append(arabicfold::foldedWords(items[n - 1]));
        if (!m_words.back().isEmpty())
            m_byFirst[m_words.back().first()].append(n);
    }
}

int LookAlikes::mostLike(int number, int from, int to) const
{
    if (number < 1 || number > m_words.size() || m_words[number - 1].isEmpty())
        return 0;
    const QStringList& words = m_words[number - 1];
    const QList<int> candidates = m_byFirst.value(words.first());
    const QSet<QString> mine(words.begin(), words.end());
    int best = 0;
    std::pair<int, int> bestScore{0, 0};
    int compared = 0;
    for (const int other : candidates) {
        if ((other >= from && other <= to) || other == number)
            continue;
        if (++compared > kMostCompared)
            break;
        const QStringList& theirs = m_words[other - 1];
        if (theirs == words)
            continue; // the same text: picking it would be right anyway
        const std::pair<int, int> score{sharedBeginning(words, theirs), sharedWords(mine, theirs)};
        if (score > bestScore) {
            bestScore = score;
            best = other;
        }
    }
    const int shorter = qMin(words.size(), best ? m_words[best - 1].size() : 0);
    const bool similar =
        bestScore.first >= 2 || (bestScore.second >= 2 && 2 * bestScore.second >= shorter);
    return similar ? best : 0;
}

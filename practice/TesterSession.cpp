#include "TesterSession.h"

#include "itemlist.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kOffered = 3;

} // namespace

TesterSession::TesterSession(std::mt19937 random, TickCounter tickCount)
    : m_random(random)
    , m_tickCount(std::move(tickCount))
{
}

void TesterSession::restart(const PracticeRange& range)
{
    m_range = range;
    m_next = range.first();
    m_right = 0;
    m_wrong = 0;
    m_clockStarted = false;
    m_mistakes.clear();
    offerChoices();
}

// The next item and up to two after it, drawn one at a time from what is left of them.
void TesterSession::offerChoices()
{
    m_choices.clear();
    QStringList pool;
    for (int number = m_next; number < m_next + kOffered && m_range.containsNumber(number);
         ++number)
        pool.append(getDisplayWords(m_range.byNumber(number)));
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    while (!pool.isEmpty()) {
        const auto position =
            qMin(qsizetype(uniform(m_random) * double(pool.size())), pool.size() - 1);
        m_choices.append(pool.takeAt(position));
    }
}

TesterSession::Answer TesterSession::pick(int index)
{
    if (index < 0 || index >= m_choices.size())
        return {};
    if (!m_clockStarted) {
        m_clockStarted = true;
        m_startSeconds = std::llround(tickSeconds());
    }
    Answer answer;
    answer.number = m_next;
    answer.row = m_choices.at(index);
    answer.firstTry = !m_mistakes.contains(m_next);
    // Items with the same label are interchangeable: the row is all the user sees.
    if (answer.row == getDisplayWords(m_range.byNumber(m_next))) {
        answer.verdict = Verdict::Right;
        ++m_right;
        ++m_next;
        offerChoices();
    } else {
        answer.verdict = Verdict::Wrong;
        ++m_wrong;
        ++m_mistakes[m_next];
    }
    return answer;
}

double TesterSession::tickSeconds() const
{
    return double(m_tickCount()) / 1000.0;
}

qint64 TesterSession::elapsedSeconds() const
{
    return std::llround(tickSeconds() - double(m_startSeconds));
}

QList<TesterSession::Mistake> TesterSession::mistakes() const
{
    QList<Mistake> found;
    for (auto it = m_mistakes.cbegin(); it != m_mistakes.cend(); ++it)
        found.append({it.key(), it.value()});
    std::sort(found.begin(), found.end(), [](const Mistake& a, const Mistake& b) {
        return a.wrong != b.wrong ? a.wrong > b.wrong : a.number < b.number;
    });
    return found;
}

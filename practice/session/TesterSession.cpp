#include "practice/session/TesterSession.h"

#include "lists/itemlist.h"
#include "practice/session/hemistich.h"

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
    m_offeredSeconds = tickSeconds();
}

// The next item and up to two after it, drawn one at a time from what is left of them.
void TesterSession::offerChoices()
{
    m_choices.clear();
    m_choiceNumbers.clear();
    QList<int> pool;
    for (int number = m_next; number < m_next + kOffered && m_range.containsNumber(number);
         ++number)
        pool.append(number);
    if (m_lookAlikeOf && !pool.isEmpty()) {
        if (const int other = m_lookAlikeOf(m_next, pool.front(), pool.back())) {
            if (pool.size() == kOffered)
                pool.back() = other;
            else
                pool.append(other);
        }
    }
    fillFromAround(pool);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    while (!pool.isEmpty()) {
        const auto position =
            qMin(qsizetype(uniform(m_random) * double(pool.size())), pool.size() - 1);
        m_choiceNumbers.append(pool.takeAt(position));
    }
    for (const int number : m_choiceNumbers)
        m_choices.append(label(number));
}

// Fewer than three left to offer (the range's end, a passage of one or two): the entries
// before the item, then those after what is offered, fill the rows, so that no pick is given
// away; the question stays the range's item.
void TesterSession::fillFromAround(QList<int>& pool) const
{
    constexpr int kLooked = 50; // entries each way, however many repeat the right one
    if (pool.isEmpty())
        return;
    const QString right = offered(m_next);
    int after = m_next + 1; // past the range's items offered
    while (after < m_next + kOffered && m_range.containsNumber(after))
        ++after;
    const auto add = [&](int number) {
        if (pool.size() < kOffered && !pool.contains(number) && offered(number) != right)
            pool.append(number);
    };
    for (int number = m_next - 1; number >= std::max(1, m_next - kLooked); --number)
        add(number);
    for (int number = after; number <= std::min(m_range.count(), after + kLooked); ++number)
        add(number);
}

// The designed label of six words; with look-alikes, as many more as tell it from the other
// rows.
QString TesterSession::label(int number) const
{
    const QString item = offered(number);
    if (!m_lookAlikeOf)
        return getDisplayWords(item);
    const qsizetype words = item.split(u' ', Qt::SkipEmptyParts).size();
    // The words a row shows, without the mark of whether more follow: a verse that another
    // continues must show where they part, not only that one goes on.
    const auto wordsOf = [](const QString& label) { return label.chopped(3); };
    for (int shown = 6;; ++shown) {
        QString mine = getDisplayWords(item, shown);
        const bool alone =
            std::none_of(m_choiceNumbers.begin(), m_choiceNumbers.end(), [&](int other) {
                return other != number && offered(other) != item &&
                       wordsOf(getDisplayWords(offered(other), shown)) == wordsOf(mine);
            });
        if (alone || shown >= words)
            return mine;
    }
}

QString TesterSession::offered(int number) const
{
    const QString& item = m_range.byNumber(number);
    if (m_secondHalves)
        if (const std::optional<hemistich::Halves> halves = hemistich::split(item))
            return halves->second;
    return item;
}

QString TesterSession::question() const
{
    if (!m_secondHalves || isComplete() || m_range.isEmpty())
        return {};
    const std::optional<hemistich::Halves> halves = hemistich::split(m_range.byNumber(m_next));
    return halves ? halves->first : QString();
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
    // Items with the same label are interchangeable: the row is all the user sees. With
    // look-alikes the rows tell the items apart, and the items are compared.
    const int picked = m_choiceNumbers.at(index);
    answer.picked = picked;
    const double now = tickSeconds();
    answer.seconds = now - m_offeredSeconds;
    const bool right = m_lookAlikeOf ? offered(picked) == offered(m_next)
                                     : answer.row == getDisplayWords(offered(m_next));
    if (right) {
        answer.verdict = Verdict::Right;
        ++m_right;
        ++m_next;
        offerChoices();
        m_offeredSeconds = now;
    } else {
        answer.verdict = Verdict::Wrong;
        if (picked < m_next || picked >= m_next + kOffered)
            answer.confusedWith = picked;
        ++m_wrong;
        ++m_mistakes[m_next];
    }
    return answer;
}

double TesterSession::tickSeconds() const
{
    return m_tickCount ? double(m_tickCount()) / 1000.0 : 0.0;
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

#include "practice/session/ListerSession.h"

#include "practice/session/hemistich.h"
#include "practice/session/listing.h"

#include <utility>

void ListerSession::restart(const PracticeRange& range)
{
    m_range = range;
    m_position = 1;
    m_round = 1;
    m_prompted.reset();
}

void ListerSession::setRecallFirst(bool recallFirst)
{
    m_recallFirst = recallFirst;
    if (!recallFirst)
        m_prompted.reset(); // what was prompted stays as it is; the next item comes whole
}

bool ListerSession::isFinished() const
{
    // A quick listing never starts over: it is for reading the range through once.
    return !m_prompted && m_position > m_range.size() &&
           (!m_restartOnFinish || m_speed == listing::kQuickSpeed ||
            (m_rangeTimes > 0 && m_round >= m_rangeTimes));
}

bool ListerSession::needsClock() const
{
    const std::optional<listing::Speed> speed = listing::speed(m_speed);
    return speed && speed->interval > 0 && !m_range.isEmpty() && !isFinished();
}

std::optional<ListerSession::Step> ListerSession::step()
{
    if (m_range.isEmpty() || isFinished())
        return std::nullopt;
    if (m_prompted) {
        Step reveal = *std::exchange(m_prompted, std::nullopt);
        reveal.prompt = false;
        reveal.startedOver = false;
        reveal.again = false;
        reveal.reveal = true;
        return reveal;
    }
    Step step;
    if (m_position > m_range.size()) {
        step.startedOver = true;
        m_position = 1;
        ++m_round;
    }
    step.position = m_position;
    step.number = m_range.first() + m_position - 1;
    step.text = m_range.at(m_position);
    ++m_position;
    if (m_recallFirst) {
        step.prompt = true;
        if (const auto halves =
                m_secondHalves && !m_wordMode ? hemistich::split(step.text) : std::nullopt)
            step.revealedWords =
                recallcue::wordCount(halves->first) - recallcue::shownWords(m_cue, 0);
        m_prompted = step;
    }
    return step;
}

std::optional<ListerSession::Step> ListerSession::revealWord()
{
    if (!m_prompted)
        return std::nullopt;
    const int words = m_wordMode ? 1 : recallcue::wordCount(m_prompted->text);
    if (recallcue::shownWords(m_cue, m_prompted->revealedWords + 1) >= words)
        return step();
    ++m_prompted->revealedWords;
    Step more = *m_prompted;
    more.startedOver = false;
    more.again = true;
    return more;
}

#include "ListerSession.h"

#include "listing.h"

void ListerSession::restart(const PracticeRange& range)
{
    m_range = range;
    m_position = 1;
}

bool ListerSession::isFinished() const
{
    // A quick listing never starts over: it is for reading the range through once.
    return m_position > m_range.size() && (!m_restartOnFinish || m_speed == listing::kQuickSpeed);
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
    Step step;
    if (m_position > m_range.size()) {
        step.startedOver = true;
        m_position = 1;
    }
    step.position = m_position;
    step.number = m_range.first() + m_position - 1;
    step.text = m_range.at(m_position);
    ++m_position;
    return step;
}

#include "practice/recitation/RecitationSession.h"

RecitationSession::Step RecitationSession::begin(int number, const QString& file)
{
    m_number = number;
    m_file = file;
    m_repetition = 0;
    return file.isEmpty() ? Step{} : playNext();
}

RecitationSession::Step RecitationSession::playNext()
{
    if (m_repetition >= m_repeatEach) {
        m_file.clear();
        return {};
    }
    ++m_repetition;
    return {Step::Play, m_file, m_repetition, m_repeatEach, 0};
}

RecitationSession::Step RecitationSession::played(qint64 playedMs)
{
    if (!isReciting())
        return {};
    const qint64 gap = playedMs * m_gapFactor;
    if (gap > 0)
        return {Step::Gap, {}, m_repetition, m_repeatEach, gap};
    return playNext();
}

RecitationSession::Step RecitationSession::gapOver()
{
    return isReciting() ? playNext() : Step{};
}

#include "practice/session/WritingSession.h"

void WritingSession::restart(const PracticeRange& range)
{
    m_range = range;
    m_position = 1;
    m_checked.reset();
}

const WritingSession::Checked& WritingSession::check(const QString& typed)
{
    Checked checked;
    checked.number = number();
    const QString entry = checked.number ? m_range.byNumber(checked.number) : QString();
    checked.words = writtencheck::compare(typed, entry, m_marksToo);
    checked.grade = writtencheck::grade(checked.words);
    return m_checked.emplace(std::move(checked));
}

void WritingSession::next()
{
    m_checked.reset();
    m_position = m_position >= m_range.size() ? 1 : m_position + 1;
}

#include "practice/recital/RecitalCheck.h"

#include <algorithm>

namespace recital {

fsrs::Grade gradeOf(const QList<PlacedMark>& marks)
{
    int slight = 0;
    for (const PlacedMark& mark : marks) {
        if (mark.kind == Mark::WrongWord || mark.kind == Mark::Skipped)
            return fsrs::Grade::Again;
        ++slight;
    }
    return slight == 0 ? fsrs::Grade::Good : slight == 1 ? fsrs::Grade::Hard : fsrs::Grade::Again;
}

QStringList wordsOf(const QString& text)
{
    QStringList words;
    for (const QString& token :
         QString(text).replace(u'\t', u' ').split(u' ', Qt::SkipEmptyParts)) {
        const bool sign =
            std::none_of(token.begin(), token.end(), [](QChar c) { return c.isLetter(); });
        if (sign && !words.isEmpty())
            words.last() += u' ' + token;
        else
            words.append(token);
    }
    return words;
}

} // namespace recital

using recital::Mark;
using recital::PlacedMark;

RecitalCheck::RecitalCheck(const QList<std::pair<int, QString>>& passage)
{
    m_entries.reserve(passage.size());
    for (const auto& [number, text] : passage)
        m_entries.append({number, text, recital::wordsOf(text), 0, {}});
    m_over = m_entries.isEmpty();
}

const RecitalCheck::Entry* RecitalCheck::current() const
{
    return m_over ? nullptr : &m_entries[m_at];
}

std::optional<RecitalCheck::Checked> RecitalCheck::reveal(bool whole)
{
    if (m_over)
        return std::nullopt;
    Entry& entry = m_entries[m_at];
    if (!entry.isWhole()) {
        entry.shown = whole ? int(entry.words.size()) : entry.shown + 1;
        return std::nullopt;
    }
    const Checked checked = check(entry);
    m_checked.append(checked);
    if (m_at + 1 == m_entries.size()) {
        m_over = true;
        return checked;
    }
    Entry& next = m_entries[++m_at];
    next.shown = whole ? int(next.words.size()) : std::min<int>(1, int(next.words.size()));
    return checked;
}

bool RecitalCheck::mark(Mark kind, int word)
{
    if (m_over)
        return false;
    Entry& entry = m_entries[m_at];
    const PlacedMark mark{kind, word};
    // A word marked once with a kind is marked.
    if (entry.shown == 0 || word < -1 || word >= entry.shown ||
        (word >= 0 && entry.marks.contains(mark)))
        return false;
    entry.marks.append(mark);
    return true;
}

bool RecitalCheck::undo()
{
    if (m_over || m_entries[m_at].marks.isEmpty())
        return false;
    m_entries[m_at].marks.removeLast();
    return true;
}

std::optional<RecitalCheck::Checked> RecitalCheck::leave()
{
    if (m_over)
        return std::nullopt;
    m_over = true;
    if (m_entries[m_at].shown == 0)
        return std::nullopt;
    m_checked.append(check(m_entries[m_at]));
    return m_checked.last();
}

RecitalCheck::Checked RecitalCheck::check(const Entry& entry) const
{
    Checked checked{entry.number, entry.text, recital::gradeOf(entry.marks), entry.marks, {}};
    for (const PlacedMark& mark : entry.marks)
        if (mark.word >= 0)
            checked.markedWords.append(entry.words[mark.word]);
    return checked;
}

RecitalCheck::Summary RecitalCheck::summary() const
{
    Summary summary;
    summary.entries = int(m_checked.size());
    for (const Checked& checked : m_checked) {
        summary.clean += checked.marks.isEmpty() ? 1 : 0;
        int word = 0;
        for (const PlacedMark& mark : checked.marks) {
            ++summary.byKind[int(mark.kind) - 1];
            if (mark.word >= 0)
                summary.words.append({checked.number, checked.markedWords[word++]});
        }
    }
    return summary;
}

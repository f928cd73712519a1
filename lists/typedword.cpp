#include "lists/typedword.h"

#include <algorithm>

namespace {

constexpr QStringView kArticle = u"ال";
constexpr QStringView kLamArticle = u"لل"; // ل before the article, its alef gone
constexpr QStringView kConjunctions = u"وف";
constexpr QStringView kPrepositions = u"بلكس";
// Shorter words are kept whole: the article of الف or اله is no article.
constexpr qsizetype kShortestWithArticle = 4;

} // namespace

TypedWord::TypedWord(const QString& folded, bool beginning)
    : m_needle(folded)
    , m_beginning(beginning)
{
    if (folded.size() >= kShortestWithArticle && folded.startsWith(kArticle)) {
        m_needle = folded.mid(kArticle.size());
        m_withArticle = true;
    }
}

// Whether `head`, the letters of a text word before the needle, are the attached ones.
bool TypedWord::fitsBefore(QStringView head) const
{
    if (!head.isEmpty() && kConjunctions.contains(head.front()))
        head = head.mid(1);
    // ل and the article before a word beginning with ل write two lams, not three (لله، لليل).
    if (head == kLamArticle || (head == u"ل" && m_withArticle && m_needle.startsWith(u'ل')))
        return true;
    if (!head.isEmpty() && kPrepositions.contains(head.front()))
        head = head.mid(1);
    return head == kArticle || (head.isEmpty() && !m_withArticle);
}

QList<int> TypedWord::wordsIn(QStringView foldedText) const
{
    QList<int> found;
    if (m_needle.isEmpty())
        return found;
    int word = 0;
    qsizetype counted = 0; // the spaces before this offset are counted in `word`
    for (qsizetype at = foldedText.indexOf(m_needle); at >= 0;
         at = foldedText.indexOf(m_needle, at + 1)) {
        const qsizetype start = foldedText.lastIndexOf(u' ', at) + 1;
        qsizetype end = foldedText.indexOf(u' ', at);
        if (end < 0)
            end = foldedText.size();
        if (!m_beginning && at + m_needle.size() != end)
            continue;
        if (!fitsBefore(foldedText.mid(start, at - start)))
            continue;
        word += int(std::count(foldedText.begin() + counted, foldedText.begin() + start, u' '));
        counted = start;
        if (found.isEmpty() || found.back() != word)
            found.append(word);
    }
    return found;
}

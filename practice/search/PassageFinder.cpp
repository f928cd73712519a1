#include "practice/search/PassageFinder.h"

#include "lists/arabicfold.h"
#include "lists/typedword.h"

#include <QRegularExpression>

#include <algorithm>
#include <tuple>

namespace {

// A word item without the line markers of word mode: "word. 3 >>", "<< word", "<< word. 3>>".
QString withoutMarkers(QString word)
{
    static const QRegularExpression number(QStringLiteral("\\. \\d+ ?>>$"));
    if (word.startsWith(QStringLiteral("<< ")))
        word.remove(0, 3);
    word.remove(number);
    return word;
}

} // namespace

PassageFinder::PassageFinder(QList<Passage> passages)
    : m_passages(std::move(passages))
{
    m_folded.reserve(m_passages.size());
    for (const Passage& passage : m_passages)
        m_folded.append(arabicfold::fold(passage.text));
}

QList<PassageFinder::Passage> PassageFinder::itemsOf(const QStringList& items)
{
    QList<Passage> passages;
    passages.reserve(items.size());
    for (int n = 1; n <= items.size(); ++n)
        passages.append({n, n, items[n - 1]});
    return passages;
}

QList<PassageFinder::Passage> PassageFinder::linesOf(const QStringList& wordItems,
                                                     const QList<std::pair<int, int>>& lineItems)
{
    QList<Passage> passages;
    passages.reserve(lineItems.size());
    for (const auto& [first, last] : lineItems) {
        QStringList words;
        for (int n = first; n <= last; ++n)
            words.append(withoutMarkers(wordItems[n - 1]));
        passages.append({first, last, words.join(u' ')});
    }
    return passages;
}

QList<PassageFinder::Hit> PassageFinder::find(const QString& query, Order order) const
{
    const QStringList words = arabicfold::foldedWords(query);
    if (words.isEmpty())
        return {};
    QList<Hit> hits = findWords(words, false, order);
    if (hits.isEmpty() && !query.back().isSpace())
        hits = findWords(words, true, order);
    bool isNumber = false;
    const int number = words.size() == 1 ? words.first().toInt(&isNumber) : 0;
    int index = referenced(query);
    if (isNumber) {
        const auto typed =
            std::find_if(m_passages.begin(), m_passages.end(),
                         [&](const Passage& p) { return number >= p.first && number <= p.last; });
        if (typed != m_passages.end())
            index = int(typed - m_passages.begin());
    }
    if (index >= 0) {
        hits.removeIf([&](const Hit& hit) { return hit.passage == index; });
        hits.prepend({index, isNumber}); // a reference holds no words typed
    }
    return hits;
}

// The passage a reference such as "2:255" names (Arabic-Indic digits too): the part's
// passage at that place, or -1.
int PassageFinder::referenced(const QString& query) const
{
    static const QRegularExpression reference(QStringLiteral("^\\s*(\\d+)\\s*:\\s*(\\d+)\\s*$"),
                                              QRegularExpression::UseUnicodePropertiesOption);
    const QRegularExpressionMatch match = reference.match(query);
    if (!match.hasMatch())
        return -1;
    const auto value = [](const QString& digits) {
        int number = 0;
        for (const QChar c : digits)
            number = std::min(number * 10 + c.digitValue(), 1'000'000);
        return number;
    };
    const int part = value(match.captured(1));
    const int place = value(match.captured(2));
    if (part < 1 || part > m_partStarts.size() || place < 1)
        return -1;
    const int index = m_partStarts[part - 1] + place - 1;
    const int end = part < m_partStarts.size() ? m_partStarts[part] : size();
    return index < end ? index : -1;
}

QList<PassageFinder::Hit> PassageFinder::findWords(const QStringList& words, bool lastBegins,
                                                   Order order) const
{
    QList<TypedWord> typed;
    for (qsizetype w = 0; w < words.size(); ++w)
        typed.append(TypedWord(words[w], lastBegins && w + 1 == words.size()));
    struct Found {
        Hit hit;
        int at;    // the first word matched
        int words; // the passage's length
    };
    QList<Found> found;
    QList<QList<int>> at(typed.size());
    for (int i = 0; i < m_folded.size(); ++i) {
        const QString& text = m_folded[i];
        bool all = true;
        for (qsizetype w = 0; w < typed.size() && all; ++w) {
            at[w] = typed[w].wordsIn(text);
            all = !at[w].isEmpty();
        }
        if (!all)
            continue;
        // Together: each word right after the one typed before it.
        const bool together = std::any_of(at[0].begin(), at[0].end(), [&](int first) {
            for (qsizetype w = 1; w < at.size(); ++w) {
                if (!at[w].contains(first + int(w)))
                    return false;
            }
            return true;
        });
        found.append({{i, together}, at[0].first(), int(text.size())});
    }
    if (order == Order::Best) {
        std::stable_sort(found.begin(), found.end(), [](const Found& a, const Found& b) {
            return std::tuple(!a.hit.together, a.at, a.words) <
                   std::tuple(!b.hit.together, b.at, b.words);
        });
    }
    QList<Hit> hits;
    hits.reserve(found.size());
    for (const Found& one : found)
        hits.append(one.hit);
    return hits;
}

QString PassageFinder::excerpt(int index, const QString& query) const
{
    constexpr int kBefore = 2;
    constexpr int kShown = 8;
    const QStringList words = m_passages[index].text.split(u' ', Qt::SkipEmptyParts);
    const QStringList wanted = arabicfold::foldedWords(query);
    int start = 0;
    for (const bool beginning : {false, true}) {
        if (wanted.isEmpty())
            break;
        const TypedWord first(wanted.first(), beginning);
        const auto match = std::find_if(words.begin(), words.end(), [&](const QString& word) {
            return first.meets(arabicfold::fold(word));
        });
        if (match != words.end()) {
            start = qMax(0, int(match - words.begin()) - kBefore);
            break;
        }
    }
    const int end = qMin(int(words.size()), start + kShown);
    QString shown = words.mid(start, end - start).join(u' ');
    if (start > 0)
        shown.prepend(QStringLiteral("\u2026 "));
    if (end < words.size())
        shown += QStringLiteral(" \u2026");
    return shown;
}

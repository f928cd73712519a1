#include "PassageFinder.h"

#include "arabicfold.h"

#include <QRegularExpression>

#include <algorithm>

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

QList<int> PassageFinder::find(const QString& query, int limit) const
{
    const QStringList words = arabicfold::foldedWords(query);
    if (words.isEmpty())
        return {};
    const QString phrase = words.join(u' ');
    bool isNumber = false;
    const int number = phrase.toInt(&isNumber);
    struct Found {
        int index;
        int rank;
    };
    QList<Found> found;
    for (int i = 0; i < m_folded.size(); ++i) {
        const QString& text = m_folded[i];
        if (isNumber && number >= m_passages[i].first && number <= m_passages[i].last) {
            found.append({i, -1}); // the passage of the item typed comes first
            continue;
        }
        if (!std::all_of(words.begin(), words.end(),
                         [&](const QString& word) { return text.contains(word); }))
            continue;
        // Together beats apart, early beats late, short beats long.
        const qsizetype together = text.indexOf(phrase);
        const qsizetype at = together >= 0 ? together : text.indexOf(words.first());
        const int rank =
            (together >= 0 ? 0 : 1'000'000) + int(at) * 100 + int(qMin<qsizetype>(text.size(), 99));
        found.append({i, rank});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const Found& a, const Found& b) { return a.rank < b.rank; });
    QList<int> best;
    for (qsizetype i = 0; i < found.size() && i < limit; ++i)
        best.append(found[i].index);
    return best;
}

QString PassageFinder::excerpt(int index, const QString& query) const
{
    constexpr int kBefore = 2;
    constexpr int kShown = 8;
    const QStringList words = m_passages[index].text.split(u' ', Qt::SkipEmptyParts);
    const QStringList wanted = arabicfold::foldedWords(query);
    int start = 0;
    for (int w = 0; w < words.size() && !wanted.isEmpty(); ++w) {
        if (arabicfold::fold(words[w]).contains(wanted.first())) {
            start = qMax(0, w - kBefore);
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

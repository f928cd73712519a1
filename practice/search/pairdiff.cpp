#include "practice/search/pairdiff.h"

#include "lists/arabicfold.h"

#include <vector>

namespace pairdiff {

std::pair<Words, Words> compare(const QString& one, const QString& other)
{
    Words a{one.split(u' ', Qt::SkipEmptyParts), {}};
    Words b{other.split(u' ', Qt::SkipEmptyParts), {}};
    QStringList foldedA;
    QStringList foldedB;
    for (const QString& word : std::as_const(a.words))
        foldedA.append(arabicfold::fold(word));
    for (const QString& word : std::as_const(b.words))
        foldedB.append(arabicfold::fold(word));
    const qsizetype n = foldedA.size();
    const qsizetype m = foldedB.size();
    // The longest run of shared words in order, from the ends backwards.
    std::vector<std::vector<int>> longest(n + 1, std::vector<int>(m + 1, 0));
    for (qsizetype i = n - 1; i >= 0; --i)
        for (qsizetype j = m - 1; j >= 0; --j)
            longest[i][j] = foldedA[i] == foldedB[j]
                                ? longest[i + 1][j + 1] + 1
                                : std::max(longest[i + 1][j], longest[i][j + 1]);
    a.differs = QList<bool>(n, true);
    b.differs = QList<bool>(m, true);
    for (qsizetype i = 0, j = 0; i < n && j < m;) {
        if (foldedA[i] == foldedB[j]) {
            a.differs[i++] = false;
            b.differs[j++] = false;
        } else if (longest[i + 1][j] >= longest[i][j + 1]) {
            ++i;
        } else {
            ++j;
        }
    }
    return {a, b};
}

} // namespace pairdiff

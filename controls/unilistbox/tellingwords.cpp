#include "controls/unilistbox/tellingwords.h"

namespace tellingwords {
namespace {

const QString kEllipsis = QStringLiteral("\u2026");

QStringList wordsOf(const QString& text)
{
    return text.split(u' ', Qt::SkipEmptyParts);
}

QString shown(const QStringList& words, qsizetype from, qsizetype to)
{
    QString text = words.mid(from, to - from).join(u' ');
    if (from > 0)
        text.prepend(kEllipsis + u' ');
    if (to < words.size())
        text += u' ' + kEllipsis;
    return text;
}

} // namespace

int sharedStart(const QStringList& row, const QList<QStringList>& others)
{
    int most = 0;
    for (const QStringList& other : others) {
        int shared = 0;
        while (shared < row.size() && shared < other.size() && row[shared] == other[shared])
            ++shared;
        if (shared < row.size()) // a row that only repeats this one tells nothing
            most = qMax(most, shared);
    }
    return most;
}

QString elided(const QString& row, const QStringList& others,
               const std::function<bool(const QString&)>& fits)
{
    if (fits(row))
        return row;
    const QStringList words = wordsOf(row);
    QList<QStringList> otherWords;
    for (const QString& other : others)
        otherWords.append(wordsOf(other));
    const qsizetype keptBefore = qMax(0, sharedStart(words, otherWords) - 1);
    qsizetype from = 0;
    while (from < keptBefore && !fits(shown(words, from, words.size())))
        ++from;
    qsizetype to = words.size();
    while (to > from + 1 && !fits(shown(words, from, to)))
        --to;
    return shown(words, from, to);
}

} // namespace tellingwords

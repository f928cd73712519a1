#pragma once

#include <QHash>
#include <QList>
#include <QStringList>

// For each item of a list, the item elsewhere in it that reads most like it: the classic
// error of a memoriser is to go on with a passage that starts like the right one. Items are
// folded once (arabicfold) and grouped by their first word, so that a question looks only at
// the items that begin alike.
class LookAlikes {
public:
    LookAlikes() = default;
    explicit LookAlikes(const QStringList& items);

    // The item (1-based) most like item `number`, outside items `from` to `to`: the longest
    // shared beginning in words, then the most shared words; 0 when none is similar enough
    // (at least two words shared at the start, or half the words of the shorter shared).
    int mostLike(int number, int from, int to) const;

    bool isEmpty() const { return m_words.isEmpty(); }

private:
    QList<QStringList> m_words;           // folded words by item, 0-based
    QHash<QString, QList<int>> m_byFirst; // item numbers by their first folded word
};

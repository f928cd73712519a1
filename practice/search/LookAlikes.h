#pragma once

#include <QList>
#include <QStringList>

// For each item of a list, the item elsewhere in it that reads most like it: the classic
// error of a memoriser is to go on with a passage that reads like the right one. Items are
// folded once (arabicfold); a word weighs the more the fewer items hold it, so that formulas
// common everywhere (يا أيها الذين آمنوا، وإذ قلنا) count for little. A question gathers the
// items that share the item's rarest words, and keeps the one whose shared words, in order,
// weigh most against the weight of the two.
class LookAlikes {
public:
    LookAlikes() = default;
    explicit LookAlikes(const QStringList& items);

    // The item (1-based) most like item `number`, outside items `from` to `to`, or 0 when none
    // is similar enough.
    int mostLike(int number, int from, int to) const;

    // How alike items `a` and `b` read, from 0 to 1: twice the weight of the words they share
    // in order, over the weight of both.
    double likeness(int a, int b) const;

    bool isEmpty() const { return m_words.isEmpty(); }

private:
    QList<QList<int>> m_words;     // word numbers by item, 0-based
    QList<double> m_weight;        // by word number
    QList<QList<int>> m_itemsWith; // by word number: the items (0-based) holding it
    QList<double> m_total;         // by item: the weight of its words
};

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Finds the passages of a list by their words, however they are spelled: every passage is
// folded once (arabicfold), and a search keeps every passage holding every word typed
// (TypedWord), in the list's order or best first. A passage is an item in line mode and a line
// in word mode.
class PassageFinder {
public:
    struct Passage {
        int first = 0; // the item numbers it covers
        int last = 0;
        QString text;
    };

    PassageFinder() = default;
    explicit PassageFinder(QList<Passage> passages);

    // The passages of a list: its items, or in word mode its lines (from the word items).
    static QList<Passage> linesOf(const QStringList& wordItems,
                                  const QList<std::pair<int, int>>& lineItems);
    static QList<Passage> itemsOf(const QStringList& items);

    struct Hit {
        int passage = 0;       // its index
        bool together = false; // the words stand in it together, in the order typed
    };
    enum class Order { List, Best };
    // Where the list's parts begin, as passage indexes, so that a reference finds its passage.
    void setPartStarts(QList<int> starts) { m_partStarts = std::move(starts); }

    // The passages holding every word of `query`; a number typed alone also finds the passage
    // of that item, first, and a reference ("2:255", in word mode part and line) its passage. The
    // last word may be the beginning of a word when, whole, it is found nowhere and no space
    // follows it. Best first means the words together and early, then the passage short.
    QList<Hit> find(const QString& query, Order order = Order::List) const;

    const Passage& passage(int index) const { return m_passages[index]; }
    int size() const { return int(m_passages.size()); }

    // A few words of the passage around the first word of `query` it holds, so that the match
    // shows in a short row.
    QString excerpt(int index, const QString& query) const;

private:
    QList<Hit> findWords(const QStringList& words, bool lastBegins, Order order) const;
    int referenced(const QString& query) const;

    QList<Passage> m_passages;
    QList<int> m_partStarts;
    QStringList m_folded;
};

#pragma once

#include "practice/session/PracticeRange.h"

#include <QHash>
#include <QStringList>

#include <functional>
#include <random>

// The Tester: the item to pick next, the choices offered for it, the counts and the clock.
// The order of the choices comes from an injected random generator and the clock from an
// injected millisecond tick counter, so that tests decide both.
class TesterSession {
public:
    using TickCounter = std::function<qint64()>;

    enum class Verdict { None, Right, Wrong };
    struct Answer {
        Verdict verdict = Verdict::None;
        int number = 0;       // the item that was to be picked
        QString row;          // the text of the row picked
        bool firstTry = true; // no wrong row was picked for this item before
        int confusedWith = 0; // a look-alike picked instead: its item number
        int picked = 0;       // the item behind the row picked
        double seconds = 0;   // since the item to pick was offered
    };
    struct Mistake {
        int number = 0; // the item that drew wrong picks
        int wrong = 0;
    };

    TesterSession(std::mt19937 random, TickCounter tickCount);

    void setRandom(std::mt19937 random) { m_random = random; }
    void setTickCounter(TickCounter tickCount) { m_tickCount = std::move(tickCount); }

    // Look-alike choices: given the item to pick and the next ones offered with it, the item
    // elsewhere in the list most like it, or 0. One wrong choice is then that item, every row
    // shows as many words as it takes to tell it from the others, and a pick is judged by the
    // items, not their labels. An empty function turns them off.
    using LookAlikeOf = std::function<int(int number, int from, int to)>;
    void setLookAlikes(LookAlikeOf lookAlikeOf) { m_lookAlikeOf = std::move(lookAlikeOf); }

    // The halves of a bayt: for a bayt the question is its first half and the choices are
    // second halves; other items are asked whole.
    void setSecondHalves(bool on) { m_secondHalves = on; }
    // The first half of the bayt to complete; empty when the whole item is asked.
    QString question() const;

    // Back to the range's first item with fresh choices, no counts, the clock stopped.
    void restart(const PracticeRange& range);

    // The display forms of the offered items, in the order offered: the item to pick next and
    // up to two that follow it in the range. Empty once the test is complete.
    const QStringList& choices() const { return m_choices; }

    // Evaluates a pick of choice `index` (0-based). The first pick starts the clock; a right
    // one moves on to the next item, a wrong one keeps the choices as they are. Nothing
    // happens for an index that offers nothing.
    Answer pick(int index);

    const PracticeRange& range() const { return m_range; }
    int next() const { return m_next; }
    int rightCount() const { return m_right; }
    int wrongCount() const { return m_wrong; }
    bool isComplete() const { return !m_range.isEmpty() && m_next > m_range.last(); }
    // From the first pick until the test is complete.
    bool isClockRunning() const { return m_clockStarted && !isComplete(); }
    // Whole seconds since the first pick.
    qint64 elapsedSeconds() const;
    // The items of this test that drew wrong picks, the most first, then in list order.
    QList<Mistake> mistakes() const;

private:
    void offerChoices();
    void fillFromAround(QList<int>& pool) const;
    QString label(int number) const;
    // What a choice row offers of item `number`: the item, or a bayt's second half.
    QString offered(int number) const;
    double tickSeconds() const;

    PracticeRange m_range;
    std::mt19937 m_random;
    TickCounter m_tickCount;
    QStringList m_choices;
    QList<int> m_choiceNumbers; // the items behind the rows
    LookAlikeOf m_lookAlikeOf;
    bool m_secondHalves = false;
    int m_next = 0;
    int m_right = 0;
    int m_wrong = 0;
    bool m_clockStarted = false;
    QHash<int, int> m_mistakes; // wrong picks by item number, this test
    qint64 m_startSeconds = 0;
    double m_offeredSeconds = 0; // when the item to pick was offered
};

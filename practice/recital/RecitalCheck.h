#pragma once

#include "schedule/fsrs.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A passage recited aloud from memory and checked as a hifz teacher checks it: the passage is
// hidden, each entry is revealed once recited (word by word, or whole) and marked by the kind
// of its mistakes, and its marks make its review.
namespace recital {

// The kinds of mistake, numbered as their keys and as the history keeps them.
enum class Mark {
    Prompted = 1,  // the reciter had to be helped
    WrongWord = 2, // a word wrong or missing
    VowelSlip = 3, // a slip in the vowels
    Skipped = 4,   // the entry left out
};
inline constexpr int kMarkKinds = 4;

// A mark on an entry, or on one of its words (counted from 0).
struct PlacedMark {
    Mark kind = Mark::Prompted;
    int word = -1;
    friend bool operator==(const PlacedMark&, const PlacedMark&) = default;
};

// The rule that makes an entry's review of its marks:
//   no mark                                   Good
//   one prompt or one vowel slip              Hard
//   a wrong or missing word, a skip, or two
//   or more prompts and vowel slips           Again
fsrs::Grade gradeOf(const QList<PlacedMark>& marks);

// The words of an entry as they are revealed and marked: a pause or verse sign standing alone
// belongs to the word before it.
QStringList wordsOf(const QString& text);

} // namespace recital

class RecitalCheck {
public:
    struct Entry {
        int number = 0;
        QString text;
        QStringList words;
        int shown = 0; // words revealed
        QList<recital::PlacedMark> marks;
        bool isWhole() const { return shown == words.size(); }
    };
    // An entry checked and left: its review.
    struct Checked {
        int number = 0;
        QString text;
        fsrs::Grade grade = fsrs::Grade::Good;
        QList<recital::PlacedMark> marks;
        QStringList markedWords; // the words of the marks placed on one, in their order
    };
    struct Summary {
        int entries = 0;
        int clean = 0;
        std::array<int, recital::kMarkKinds> byKind{};
        QList<std::pair<int, QString>> words; // the entry and word of each word marked
    };

    // The passage's entries in order: their numbers and texts.
    explicit RecitalCheck(const QList<std::pair<int, QString>>& passage);

    // Space: the next word; Enter: the rest of the entry. Either moves to the next entry once
    // the one at hand is whole, and that one is then checked: it is returned to be recorded.
    std::optional<Checked> revealWord() { return reveal(false); }
    std::optional<Checked> revealEntry() { return reveal(true); }
    // A mark on the entry at hand, or on one of its words shown; refused (false) before the
    // entry is revealed, or for a word not shown.
    bool mark(recital::Mark kind, int word = -1);
    // Takes back the last mark of the entry at hand; false when it has none.
    bool undo();
    // Leaving, or at the end: the entry at hand is checked as it stands, if it was revealed.
    std::optional<Checked> leave();

    // The entry at hand (revealed or about to be); none before the passage or after it.
    const Entry* current() const;
    const QList<Entry>& entries() const { return m_entries; }
    int at() const { return m_at; }
    bool isOver() const { return m_over; }
    Summary summary() const;

private:
    std::optional<Checked> reveal(bool whole);
    Checked check(const Entry& entry) const;

    QList<Entry> m_entries;
    QList<Checked> m_checked;
    int m_at = 0; // the entry at hand
    bool m_over = false;
};

#pragma once

#include "practice/session/PracticeRange.h"
#include "practice/session/writtencheck.h"

#include <optional>

// Write from memory: the items of the practised range in turn, each typed by the learner and
// checked word by word against it; after the last the first comes again.
class WritingSession {
public:
    struct Checked {
        int number = 0;
        QList<writtencheck::Word> words;
        fsrs::Grade grade = fsrs::Grade::Good;
    };

    void restart(const PracticeRange& range);
    void setMarksToo(bool on) { m_marksToo = on; }
    bool marksToo() const { return m_marksToo; }

    const PracticeRange& range() const { return m_range; }
    // The item to write, 1-based in the whole list; 0 when there is none.
    int number() const { return m_range.isEmpty() ? 0 : m_range.first() + m_position - 1; }
    int position() const { return m_position; }
    // What was typed for the item, checked; the item then waits for next().
    const Checked& check(const QString& typed);
    // The check of the item shown, if it was checked.
    const std::optional<Checked>& checked() const { return m_checked; }
    void next();

private:
    PracticeRange m_range;
    int m_position = 1;
    bool m_marksToo = false;
    std::optional<Checked> m_checked;
};

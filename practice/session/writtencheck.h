#pragma once

#include "schedule/fsrs.h"

#include <QList>
#include <QString>

// An entry written from memory, checked word by word against the entry itself. Words are
// compared folded, as Find compares them, so that the Uthmani script and the ordinary spelling
// meet; spacing does not count (two words run together, or one word split in two, are right);
// with marks too, each word's vowels, shadda and sukun must also be the entry's, however they
// were typed.
namespace writtencheck {

enum class Mark {
    Right,
    Wrong,   // another word typed in its place
    Missing, // left out
    Extra,   // typed where the entry has nothing
};

struct Word {
    Mark mark = Mark::Right;
    QString expected; // the entry's word as written; empty for an extra word
    QString typed;    // the learner's word; empty for a missing one
};

// The entry's words and the typed ones in the entry's order, each with its mark.
QList<Word> compare(const QString& typed, const QString& entry, bool marksToo = false);

// Wrong, missing and extra words together.
int mistakes(const QList<Word>& words);

// Every word right: Good; one mistake: Hard; more: Again.
fsrs::Grade grade(const QList<Word>& words);

// What an answer box takes for `entry`: room for a generous answer, not for a book pasted by
// mistake, which would freeze the window and the check.
int longestAnswer(const QString& entry);

// `typed` without the controls that embed, override or isolate a direction (U+202A to U+202E,
// U+2066 to U+2069): typed or pasted, they would reverse the words after them on display.
QString withoutDirectionControls(QString typed);

} // namespace writtencheck

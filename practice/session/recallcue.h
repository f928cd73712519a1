#pragma once

#include <QString>

// What recall first shows of an item before it is revealed, as the learner chooses: its first
// word, the first letter of every word, or a blank for every word. The letters and blanks keep
// the words' count in view, and a TAB between the halves of a bayt.
namespace recallcue {

enum class Cue { FirstWord, FirstLetters, Blanks };

// Every word's first letter without its marks, written as a word's beginning ("بـ") where the
// letter joins the next; the alef wasla is an alef, a lam-alef begins with its lam.
QString firstLetters(const QString& text);
// A blank for every word.
QString blanks(const QString& text);

// The words of `text` as the learner counts them: a pause or hizb sign alone is none.
int wordCount(const QString& text);
// The words a prompt shows whole once the learner revealed `revealed` of them: the first word
// cue shows one more.
int shownWords(Cue cue, int revealed);
// What a prompt shows of `text`: its first shownWords() words as they stand, and the cue of the
// rest (for the first word cue an ellipsis, always).
QString prompt(const QString& text, Cue cue, int revealed = 0);

} // namespace recallcue

#include "practice/session/writtencheck.h"

#include "lists/arabicfold.h"

#include <QStringList>

#include <algorithm>
#include <limits>
#include <vector>

namespace writtencheck {
namespace {

// A word as the check sees it.
struct Token {
    QString word;    // as written
    QString letters; // folded
    QString marks;   // its vowels, shadda and sukun in order, each letter's in one order
};

bool isKeptMark(char16_t c)
{
    return c >= 0x064B && c <= 0x0652; // tanween, the three vowels, shadda, sukun
}

// The marks of `word`, written the one way a keyboard types them: the mushaf's sukun is a
// sukun, its open tanween a tanween, and a vowel before the small meem of iqlab the tanween it
// stands for; آ carries the fatha of the ءَا it is written for. Other Quranic signs do not
// count, nor the mark of a silent alef.
QString marksOf(QStringView word)
{
    QString marks;
    qsizetype letterStart = 0; // where the current letter's marks begin in `marks`
    QChar letter;
    for (qsizetype i = 0; i < word.size(); ++i) {
        char16_t c = word[i].unicode();
        if (c == 0x0652 && letter == QChar(0x0627))
            continue; // the mushaf's mark of a silent alef; plain spelling marks no alef
        if (c == 0x06E1)
            c = 0x0652;
        else if (c >= 0x08F0 && c <= 0x08F2)
            c = char16_t(0x064B + (c - 0x08F0));
        else if ((c == 0x064E || c == 0x064F || c == 0x0650) && i + 1 < word.size() &&
                 (word[i + 1] == QChar(0x06E2) || word[i + 1] == QChar(0x06ED)))
            c = char16_t(0x064B + (c - 0x064E));
        if (isKeptMark(c)) {
            marks.append(QChar(c));
            std::sort(marks.begin() + letterStart, marks.end());
        } else if (!word[i].isMark() && word[i].category() != QChar::Letter_Modifier) {
            letterStart = marks.size();
            letter = word[i];
            if (c == 0x0622)
                marks.append(QChar(0x064E)); // آ is the mushaf's ءَا
        }
    }
    return marks;
}

QList<Token> tokens(const QString& text)
{
    QList<Token> found;
    for (const QString& word : QString(text).replace(u'\t', u' ').split(u' ', Qt::SkipEmptyParts)) {
        Token token{word, arabicfold::foldedWords(word).join(QString()), marksOf(word)};
        if (!token.letters.isEmpty()) // a pause sign or a stray stop is no word
            found.append(token);
    }
    return found;
}

bool same(const Token& one, const Token& other, bool marksToo)
{
    return one.letters == other.letters && (!marksToo || one.marks == other.marks);
}

// Whether `first` and `second` written together are `whole`.
bool joined(const Token& first, const Token& second, const Token& whole, bool marksToo)
{
    const auto parts = [](const QString& one, const QString& two, const QString& all) {
        return all.size() == one.size() + two.size() && all.startsWith(one) && all.endsWith(two);
    };
    return parts(first.letters, second.letters, whole.letters) &&
           (!marksToo || parts(first.marks, second.marks, whole.marks));
}

// The moves that align the entry's words with the typed ones, the cheaper first where they
// cost the same.
enum class Move { Match, Merge, Split, Substitute, Omit, Insert };

constexpr int kNever = std::numeric_limits<int>::max() / 2;
// Typed words beyond four for each of the entry's, or beyond what 4M steps of aligning allow,
// are extra without aligning: pasting a book into the box costs moments, not minutes.
constexpr qsizetype kTypedPerEntryWord = 4;
constexpr qsizetype kMostSteps = 4 << 20;

} // namespace

QList<Word> compare(const QString& typed, const QString& entry, bool marksToo)
{
    const QList<Token> want = tokens(entry);
    QList<Token> got = tokens(typed);
    QList<Token> beyond;
    if (const qsizetype most =
            std::min(kTypedPerEntryWord * (want.size() + 1), kMostSteps / (want.size() + 1));
        got.size() > most) {
        beyond = got.mid(most);
        got.resize(most);
    }
    const qsizetype n = want.size();
    const qsizetype m = got.size();
    // cost[i][j]: the fewest mistakes aligning want[i..] with got[j..].
    std::vector<int> cost(size_t((n + 1) * (m + 1)), kNever);
    auto at = [&](qsizetype i, qsizetype j) -> int& { return cost[size_t(i * (m + 1) + j)]; };
    auto moveCost = [&](qsizetype i, qsizetype j, Move move) {
        switch (move) {
        case Move::Match:
            return i < n && j < m && same(want[i], got[j], marksToo) ? at(i + 1, j + 1) : kNever;
        case Move::Merge: // two of the entry's words typed as one
            return i + 1 < n && j < m && joined(want[i], want[i + 1], got[j], marksToo)
                       ? at(i + 2, j + 1)
                       : kNever;
        case Move::Split: // one of the entry's words typed as two
            return i < n && j + 1 < m && joined(got[j], got[j + 1], want[i], marksToo)
                       ? at(i + 1, j + 2)
                       : kNever;
        case Move::Substitute:
            return i < n && j < m ? at(i + 1, j + 1) + 1 : kNever;
        case Move::Omit:
            return i < n ? at(i + 1, j) + 1 : kNever;
        case Move::Insert:
            return j < m ? at(i, j + 1) + 1 : kNever;
        }
        return kNever;
    };
    constexpr Move kMoves[] = {Move::Match,      Move::Merge, Move::Split,
                               Move::Substitute, Move::Omit,  Move::Insert};
    at(n, m) = 0;
    for (qsizetype i = n; i >= 0; --i)
        for (qsizetype j = m; j >= 0; --j)
            if (i < n || j < m)
                for (const Move move : kMoves)
                    at(i, j) = std::min(at(i, j), moveCost(i, j, move));

    QList<Word> words;
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < n || j < m) {
        const Move move = *std::find_if(std::begin(kMoves), std::end(kMoves), [&](Move each) {
            return moveCost(i, j, each) == at(i, j);
        });
        switch (move) {
        case Move::Match:
            words.append({Mark::Right, want[i++].word, got[j++].word});
            break;
        case Move::Merge:
            words.append({Mark::Right, want[i].word, got[j].word});
            words.append({Mark::Right, want[i + 1].word, got[j].word});
            i += 2;
            ++j;
            break;
        case Move::Split:
            words.append({Mark::Right, want[i++].word, got[j].word + u' ' + got[j + 1].word});
            j += 2;
            break;
        case Move::Substitute:
            words.append({Mark::Wrong, want[i++].word, got[j++].word});
            break;
        case Move::Omit:
            words.append({Mark::Missing, want[i++].word, QString()});
            break;
        case Move::Insert:
            words.append({Mark::Extra, QString(), got[j++].word});
            break;
        }
    }
    for (const Token& extra : beyond)
        words.append({Mark::Extra, QString(), extra.word});
    return words;
}

int mistakes(const QList<Word>& words)
{
    return int(std::count_if(words.begin(), words.end(),
                             [](const Word& word) { return word.mark != Mark::Right; }));
}

fsrs::Grade grade(const QList<Word>& words)
{
    switch (mistakes(words)) {
    case 0:
        return fsrs::Grade::Good;
    case 1:
        return fsrs::Grade::Hard;
    default:
        return fsrs::Grade::Again;
    }
}

int longestAnswer(const QString& entry)
{
    constexpr int kLeast = 200;
    constexpr int kTimes = 4;
    return int(std::max<qsizetype>(kLeast, kTimes * entry.size()));
}

QString withoutDirectionControls(QString typed)
{
    typed.removeIf([](QChar c) {
        return (c >= QChar(0x202A) && c <= QChar(0x202E)) ||
               (c >= QChar(0x2066) && c <= QChar(0x2069));
    });
    return typed;
}

} // namespace writtencheck

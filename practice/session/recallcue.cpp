#include "practice/session/recallcue.h"

#include <QStringList>

#include <functional>

namespace recallcue {
namespace {

constexpr QChar kTatweel(0x0640);
const QString kBlank = QStringLiteral("____");

// `cue` of every word of `text`, the halves of a bayt kept apart.
QString eachWord(const QString& text, const std::function<QString(QStringView)>& cue)
{
    QStringList halves;
    for (const QString& half : text.split(u'\t')) {
        QStringList cues;
        for (const QString& word : half.split(u' ', Qt::SkipEmptyParts)) {
            const QString shown = cue(word);
            if (!shown.isEmpty())
                cues.append(shown);
        }
        halves.append(cues.join(u' '));
    }
    return halves.join(u'\t');
}

// The first letter of `word`; nothing for a word of signs alone (a pause or hizb mark).
QChar firstLetter(QStringView word)
{
    for (const QChar c : word) {
        if (c.category() == QChar::Letter_Modifier) // a small waw or yeh, a tatweel
            continue;
        if (c.isLetterOrNumber())
            return c == QChar(0x0671) ? QChar(0x0627) : c; // the wasla is an alef
    }
    return {};
}

// Where the first `count` words of `text` end.
qsizetype endOfWords(const QString& text, int count)
{
    qsizetype at = 0;
    while (count > 0 && at < text.size()) {
        while (at < text.size() && text[at].isSpace())
            ++at;
        const qsizetype start = at;
        while (at < text.size() && !text[at].isSpace())
            ++at;
        if (!firstLetter(QStringView(text).sliced(start, at - start)).isNull())
            --count;
    }
    return at;
}

} // namespace

QString firstLetters(const QString& text)
{
    return eachWord(text, [](QStringView word) {
        const QChar letter = firstLetter(word);
        if (letter.isNull())
            return QString();
        return letter.joiningType() == QChar::Joining_Dual ? QString(letter) + kTatweel
                                                           : QString(letter);
    });
}

QString blanks(const QString& text)
{
    return eachWord(
        text, [](QStringView word) { return firstLetter(word).isNull() ? QString() : kBlank; });
}

int wordCount(const QString& text)
{
    int count = 0;
    for (const QString& word : QString(text).replace(u'\t', u' ').split(u' ', Qt::SkipEmptyParts))
        count += firstLetter(word).isNull() ? 0 : 1;
    return count;
}

int shownWords(Cue cue, int revealed)
{
    return cue == Cue::FirstWord ? revealed + 1 : revealed;
}

QString prompt(const QString& text, Cue cue, int revealed)
{
    const qsizetype end = endOfWords(text, shownWords(cue, revealed));
    const QString shown = text.left(end);
    const QString rest = text.mid(end).trimmed();
    // The ellipsis marks a prompt even where the first word is the whole item.
    const QString cued = cue == Cue::FirstWord ? QStringLiteral("\u2026")
                         : cue == Cue::Blanks  ? blanks(rest)
                                               : firstLetters(rest);
    if (shown.isEmpty() || cued.isEmpty())
        return shown + cued;
    // The cue of a bayt's second half stays in its place.
    const bool halves = text.mid(end, text.size() - end - rest.size()).contains(u'\t');
    return shown + (halves ? u'\t' : u' ') + cued;
}

} // namespace recallcue

#include "recallcue.h"

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

} // namespace recallcue

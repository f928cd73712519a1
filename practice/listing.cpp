#include "listing.h"

#include <array>

namespace listing {

std::optional<Speed> speed(int sliderValue)
{
    static const std::array<Speed, 7> speeds{{
        {QStringLiteral("Quick List"), 1},
        {QStringLiteral("0.5 sec"), 500},
        {QStringLiteral("1 sec"), 1000},
        {QStringLiteral("1.5 sec"), 1500},
        {QStringLiteral("2 sec"), 2000},
        {QStringLiteral("2.5 sec"), 2500},
        {QStringLiteral("Manual"), 0},
    }};
    if (sliderValue < 0 || sliderValue >= int(speeds.size()))
        return std::nullopt;
    return speeds[sliderValue];
}

QString entry(bool wordMode, const QString& reference, const QString& displayWords)
{
    if (wordMode)
        return u' ' + displayWords;
    return QStringLiteral(" %1.  ").arg(reference) + displayWords;
}

QString recallPrompt(const QString& item, bool wordMode, recallcue::Cue cue, int revealed)
{
    if (!wordMode)
        return recallcue::prompt(item, cue, revealed);
    // Word items: "word. n >>" first on a line, "<< word" last, "<< word. n>>" alone.
    const qsizetype number = item.lastIndexOf(QStringLiteral(". "));
    const bool marked = number >= 0 && item.endsWith(u">>");
    const QString marker = marked ? item.mid(number) : QString();
    const bool last = item.startsWith(QStringLiteral("<< "));
    const QString word = item.mid(last ? 3 : 0, (marked ? number : item.size()) - (last ? 3 : 0));
    const QString shown = cue == recallcue::Cue::FirstWord ? QString()
                          : cue == recallcue::Cue::Blanks  ? recallcue::blanks(word)
                                                           : recallcue::firstLetters(word);
    return (last ? QStringLiteral("<< ") : QString()) + shown + marker;
}

QString reference(const QString& listName, const QString& itemReference)
{
    return listName + u':' + itemReference;
}

} // namespace listing

#include "practice/session/listing.h"

#include <QCoreApplication>

#include <array>
#include <utility>

namespace listing {

std::optional<Speed> speed(int sliderValue)
{
    static const std::array<std::pair<const char*, int>, 7> speeds{{
        {QT_TRANSLATE_NOOP("listing", "Quick List"), 1},
        {QT_TRANSLATE_NOOP("listing", "0.5 sec"), 500},
        {QT_TRANSLATE_NOOP("listing", "1 sec"), 1000},
        {QT_TRANSLATE_NOOP("listing", "1.5 sec"), 1500},
        {QT_TRANSLATE_NOOP("listing", "2 sec"), 2000},
        {QT_TRANSLATE_NOOP("listing", "2.5 sec"), 2500},
        {QT_TRANSLATE_NOOP("listing", "Manual"), 0},
    }};
    if (sliderValue < 0 || sliderValue >= int(speeds.size()))
        return std::nullopt;
    const auto& [caption, interval] = speeds[sliderValue];
    return Speed{QCoreApplication::translate("listing", caption), interval};
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

#include "practice/session/listing.h"

#include <QCoreApplication>
#include <QLocale>

#include <array>

namespace listing {

std::optional<Speed> speed(int sliderValue)
{
    static const std::array<int, 7> intervals{1, 500, 1000, 1500, 2000, 2500, 0};
    if (sliderValue < 0 || sliderValue >= int(intervals.size()))
        return std::nullopt;
    const int interval = intervals[sliderValue];
    if (sliderValue == kQuickSpeed)
        return Speed{QCoreApplication::translate("listing", "Quick List"), interval};
    if (sliderValue == kManualSpeed)
        return Speed{QCoreApplication::translate("listing", "Manual"), interval};
    // "0.5 sec", in the interface's digits
    return Speed{
        QCoreApplication::translate("listing", "%1 sec").arg(QLocale().toString(interval / 1000.0)),
        interval};
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

#include "practice/session/testing.h"

#include <QCoreApplication>
#include <QLocale>

namespace testing {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("testing", text);
}

} // namespace

QString header()
{
    return tr("------ Select Next ------------");
}

QString complete()
{
    return tr("--- TEST COMPLETE ---");
}

QString recalledEntry(bool wordMode, const QString& reference, const QString& pickedRow)
{
    if (wordMode)
        return u' ' + pickedRow;
    return QStringLiteral(" %1. ").arg(reference) + pickedRow;
}

QString noTimeYet()
{
    return QStringLiteral("0") + tr(" sec");
}

QString GetSecondsInHMSFormat(qint64 lngSeconds)
{
    const qint64 m = lngSeconds / 60;
    const qint64 sec = lngSeconds - 60 * m;
    const qint64 h = m / 60;
    const qint64 min = m - 60 * h;
    const QLocale locale;
    auto two = [&locale](qint64 n) {
        return locale.toString(n).rightJustified(2, locale.zeroDigit().front());
    };
    if (h >= 1)
        return two(h) + tr(" hr : ") + two(min) + tr(" min : ") + two(sec) + tr(" sec");
    if (min >= 1)
        return two(min) + tr(" min : ") + two(sec) + tr(" sec");
    if (sec >= 1)
        return two(sec) + tr(" sec");
    return {};
}

} // namespace testing

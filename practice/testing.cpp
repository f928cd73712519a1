#include "testing.h"

namespace testing {

QStringList shuffledItems(const PracticeRange& range, int next, int last, int count,
                          std::mt19937& random)
{
    count = qMin(count, last - next + 1);
    QStringList pool;
    for (int number = next; number < next + count; ++number) {
        if (range.containsNumber(number))
            pool.append(range.byNumber(number));
    }
    QStringList result;
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    while (!pool.isEmpty()) {
        const auto position =
            qMin(qsizetype(uniform(random) * double(pool.size())), pool.size() - 1);
        result.append(pool.takeAt(position));
    }
    return result;
}

QString recalledEntry(bool wordMode, int itemNumber, const QString& pickedRow)
{
    if (wordMode)
        return u' ' + pickedRow;
    return QStringLiteral(" %1. ").arg(itemNumber) + pickedRow;
}

QString GetSecondsInHMSFormat(qint64 lngSeconds)
{
    const qint64 m = lngSeconds / 60;
    const qint64 sec = lngSeconds - 60 * m;
    const qint64 h = m / 60;
    const qint64 min = m - 60 * h;
    auto two = [](qint64 n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); };
    if (h >= 1)
        return two(h) + QStringLiteral(" hr : ") + two(min) + QStringLiteral(" min : ") + two(sec) +
               QStringLiteral(" sec");
    if (min >= 1)
        return two(min) + QStringLiteral(" min : ") + two(sec) + QStringLiteral(" sec");
    if (sec >= 1)
        return two(sec) + QStringLiteral(" sec");
    return {};
}

} // namespace testing

#include "practice/history/historyrows.h"

#include <algorithm>

#include <QHash>
#include <QSqlQuery>
#include <QVariant>

namespace historyrows {

QString isoTime(const QDateTime& time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime timeOf(const QString& text)
{
    const auto number = [&](int from, int length) {
        int value = 0;
        for (int i = from; i < from + length; ++i) {
            const char16_t c = text[i].unicode();
            if (c < u'0' || c > u'9')
                return -1;
            value = value * 10 + (c - u'0');
        }
        return value;
    };
    if (text.size() == 24 && text[4] == u'-' && text[7] == u'-' && text[10] == u'T' &&
        text[13] == u':' && text[16] == u':' && text[19] == u'.' && text[23] == u'Z') {
        const QDate date(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2), number(20, 3));
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs);
}

Review reviewOf(const QSqlQuery& row, int first)
{
    Review review;
    review.at = timeOf(row.value(first).toString());
    review.number = row.value(first + 1).toInt();
    review.text = row.value(first + 2).toString();
    review.pickedRow = row.value(first + 3).toInt();
    review.pickedItem = row.value(first + 4).toInt();
    review.right = row.value(first + 5).toBool();
    review.firstTry = row.value(first + 6).toBool();
    review.seconds = row.value(first + 7).toDouble();
    review.grade = row.value(first + 8).toInt();
    const int drill = row.value(first + 9).toInt();
    review.drill = drill >= 0 && drill < kDrills ? Drill(drill) : Drill::Choices;
    const qint64 day = row.value(first + 10).toLongLong();
    review.day = day > 0 ? QDate::fromJulianDay(day) : QDate();
    return review;
}

QList<Review> inTimeOrder(std::vector<std::pair<QString, Review>> log)
{
    QHash<QString, QDate> earliestAfter;
    itemmemory::LocalDays days;
    for (auto it = log.rbegin(); it != log.rend(); ++it) {
        Review& review = it->second;
        if (!review.day.isValid())
            review.day = days.dayOf(review.at);
        QDate& bound = earliestAfter[it->first];
        if (bound.isValid() && bound < review.day)
            review.day = bound;
        bound = review.day;
    }
    std::stable_sort(log.begin(), log.end(), [](const auto& a, const auto& b) {
        return a.second.day != b.second.day ? a.second.day < b.second.day
                                            : a.second.at < b.second.at;
    });
    QList<Review> ordered;
    ordered.reserve(qsizetype(log.size()));
    for (auto& [device, review] : log)
        ordered.append(std::move(review));
    return ordered;
}

} // namespace historyrows

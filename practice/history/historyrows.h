#pragma once

#include "schedule/itemmemory.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <utility>
#include <vector>

class QSqlQuery;

// How the practice history writes and reads the rows of its review log.
namespace historyrows {

QString isoTime(const QDateTime& time);
// A time as isoTime() writes it, "2026-12-07T08:30:00.000Z", read without the general parser
// (a log of a million answers is read back when a memory is rebuilt); any other form through it.
QDateTime timeOf(const QString& text);

// The columns of a review as reviewOf() reads them, from its column `first` on.
inline const QString kReviewColumns = QStringLiteral(
    "at, position, text, picked_row, picked_item, right, first_try, seconds, grade, drill, day");
Review reviewOf(const QSqlQuery& row, int first);

// The answers of several installations, each with its own in its log's order, in time order:
// each installation's answers on the day they were given, but no later than the day of any
// answer after them in its log, the earliest first.
QList<Review> inTimeOrder(std::vector<std::pair<QString, Review>> log);

} // namespace historyrows

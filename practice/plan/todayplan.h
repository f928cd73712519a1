#pragma once

#include "practice/history/PracticeHistory.h"
#include "schedule/revisionplan.h"

#include <QDate>
#include <QList>
#include <QString>

// Today's plan across all the learner's lists: the passages due, most at risk first, then the
// next stretch to learn in each list in practice. A list is read from where it was last
// opened; one that is gone is left out.
struct TodayRow {
    QString title;
    QString path;
    bool wordMode = false;
    bool isNew = false; // next to learn, not due
    int first = 0;
    int last = 0;
    QString references; // "2:40-2:46"
    int due = 0;
    double lowestRecall = 1;
    int overdueDays = 0;
    double minutes = 0; // at the learner's own pace in this list
};

QList<TodayRow> todayPlan(PracticeHistory& history, QDate today,
                          const revisionplan::Options& options);

// One line a row, for a terminal or a script.
QString describeToday(const QList<TodayRow>& rows);

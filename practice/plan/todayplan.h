#pragma once

#include "practice/plan/todayrow.h"
#include "schedule/revisionplan.h"

#include <QDate>
#include <QList>
#include <QString>

class PracticeHistory;

// Today's plan across all the learner's lists: the passages due, most at risk first, then the
// day's share of the revision cycle where one is kept, then the next stretch to learn in each
// list in practice, under the learner's weights. A list is read from where it was last opened;
// one that is gone is left out.
QList<TodayRow> todayPlan(PracticeHistory& history, QDate today,
                          const revisionplan::Options& options);

// One line a row, for a terminal or a script.
QString describeToday(const QList<TodayRow>& rows);

#pragma once

#include <QString>

// One row of Today's plan: a passage due in a list, or the next stretch to learn in it.
struct TodayRow {
    QString title;
    QString path;
    bool wordMode = false;
    bool isNew = false;   // next to learn, not due
    bool inCycle = false; // the day's share of the revision cycle, not due
    int first = 0;
    int last = 0;
    QString references; // "2:40-2:46"
    QString divisions;  // where it begins: "juz 30 · page 582"; nothing in a list without any
    int due = 0;
    double lowestRecall = 1;
    int overdueDays = 0;
    double minutes = 0; // at the learner's own pace in this list
};

#pragma once

#include "practice/history/PracticeHistory.h"
#include "practice/recital/recitalrecord.h"
#include "schedule/revisionplan.h"
#include "schedule/strength.h"

#include <QList>
#include <QString>

#include <functional>

// The learner's memory model: the weights in use and the last fit, how many answers a fit would
// learn from now, and whether one is worth offering.
struct MemoryModel {
    PracticeHistory::ModelFit fit;
    int reviews = 0;
    bool offered = false;
};

// What the Progress window shows of the open list in its mode.
struct ProgressData {
    QString title;
    QList<PracticeHistory::Session> sessions; // every completed test, oldest first
    int rangeFirst = 0;
    int rangeLast = 0;
    QList<PracticeHistory::Session> charted; // the latest tests of the practised range
    bool chartsRange = true; // else, without one of the range, the latest tests of any
    QList<PracticeHistory::ItemRecord> weakest;
    std::function<QString(int)> reference; // an item's reference in the open list
    Strength strength;                     // of every item, on the day asked for
    // The pairs of items taken for one another most often, with their texts.
    struct Confused {
        int number = 0;
        int other = 0;
        int count = 0;
        QString text;
        QString otherText;
    };
    QList<Confused> confused;
    QList<PracticeHistory::DrillCount> drills; // the drills answered, in their order
    // Each kind of division the list has, every division's strength.
    struct Division {
        QString name;
        int first = 0;
        int last = 0;
        DivisionStrength strength;
    };
    struct DivisionTable {
        QString kind;
        QList<Division> divisions;
    };
    QList<DivisionTable> byDivision;
    // The rows the strength map draws, as the list's pages are where it has them; none: rows
    // as wide as the map.
    QList<revisionplan::ItemSpan> mapRows;
    // The mistakes marked in passages recited aloud.
    recitalrecord::Record recital;
    MemoryModel memory;
};

#pragma once

#include "schedule/itemmemory.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QStringList>

// How well a list is known, for a glance: every item's chance of recall on a day, and how many
// items fall due on each of the days that follow.
struct Strength {
    static constexpr float kNeverPractised = -1;
    QList<float>
        recall; // by item, in the list's order; kNeverPractised for an item never practised
    QList<int> dueByDay; // [0] today, overdue items among them; then one a day
    QList<int> dueIn;    // by item: days until it is due, 0 when it is; -1 never practised
};

// A division of a list (a page, a juz) at a glance.
struct DivisionStrength {
    int practised = 0;     // its items practised
    double meanRecall = 0; // their mean chance of recall
    int dueThisWeek = 0;   // those due within the next seven days, today's among them
    int weakest = 0;       // the item number of the lowest recall among them; 0 for none
};

// The strength of items `first` to `last` (1-based, inclusive) of `strength`.
DivisionStrength strengthOfDivision(const Strength& strength, int first, int last);

// `memories` of the items of `items` (an edited item is never practised), on `today`, with the
// next `days` days' due counts at `retention`, under the model's `weights`.
Strength strengthOf(const QMap<int, ItemMemory>& memories, const QStringList& items, QDate today,
                    double retention, const fsrs::Parameters& weights, int days = 30);

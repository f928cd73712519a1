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
};

// `memories` of the items of `items` (an edited item is never practised), on `today`, with the
// next `days` days' due counts at `retention`.
Strength strengthOf(const QMap<int, ItemMemory>& memories, const QStringList& items, QDate today,
                    double retention, int days = 30);

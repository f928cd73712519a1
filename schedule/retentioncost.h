#pragma once

#include "schedule/itemmemory.h"

#include <QDate>
#include <QList>

// What a desired retention costs a learner: their memories carried through the days ahead, each
// revised on the day it falls due and recalled or forgotten as the model has it, counting the
// reviews and how much of what is memorised would be recalled on any of those days.
namespace retentioncost {

struct Cost {
    double retention = 0;
    double reviewsPerDay = 0; // the expected reviews a day
    double recalled = 0;      // the expected share of the memories recalled on a random day
};

// The retentions a learner compares: 85, 90 and 95 %, and `chosen` among them in order.
QList<double> comparedWith(double chosen);

// The cost of each of `retentions` over the `days` from `today`, under the model's `weights`.
// The chances are drawn from a fixed seed: the same memories give the same table.
QList<Cost> costs(const QList<ItemMemory>& memories, QDate today, const QList<double>& retentions,
                  const fsrs::Parameters& weights, int days = 30);

} // namespace retentioncost

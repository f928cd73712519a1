#pragma once

#include <QStringList>

// The practice history's tables, written in one place: the whole schema a new file is made with,
// and for a file of an older version the steps that bring it to the current one.
//
// 1: the items alone, known by their list's title and text; 2: the completed tests as well;
// 3: the look-alikes taken for items; 4: lists known by their content, items by their mode and
// position, the review log; 5: graded recalls in the log, and every item's memory beside it;
// 6: the drill of each answer; 7: the learner's day of each answer; 8: the mistakes marked in
// passages recited from memory; 9: answers shared across a learner's machines; 10: the memory
// model's weights fitted to the learner.
namespace historyschema {

inline constexpr int kVersion = 10;

// The statements that make every table of the current version in an empty file.
QStringList current();

// The statements that bring a file of `version` (1 to kVersion - 1) to the current version,
// one step for each version passed.
QStringList upgradeFrom(int version);

} // namespace historyschema

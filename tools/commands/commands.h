#pragma once

#include "schedule/revisionplan.h"

#include <QString>

class ZorvelSettings;

// The commands of `zorvel` that print and end, without a display: they read the learner's
// history where it is and never make it (--fit alone writes in it).
namespace commands {

// What is due today across the learner's lists, one passage a line (--due).
int printDue(const revisionplan::Options& options);

// The memory of every item of the list at `path` in one mode, as CSV (--memory).
int printMemory(const QString& path, bool wordMode, double retention);

// The memory model fitted to every answer in the history and kept when it predicts the latest
// ones better (--fit): the losses before and after printed; 0 when kept.
int fitWeights();

// The memory model's weights in use, and where they come from (--weights).
int printWeights();

// A teacher's class: a row for each learner whose shared folder stands in `folder` (--class).
int printClass(const QString& folder, double retention);

// Practice shared through `folder` from the next start on, kept in `settings` (--share).
int shareThrough(const QString& folder, ZorvelSettings& settings);

} // namespace commands

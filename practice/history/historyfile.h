#pragma once

#include "practice/history/PracticeHistory.h"

// Where the learner's practice history is kept: $XDG_DATA_HOME/zorvel/progress.sqlite.
QString defaultHistoryPath();

// The learner's practice history in the file at `path`, on the program's one connection to it;
// to be written, its folder made when missing.
PracticeHistory
openHistoryFile(const QString& path,
                PracticeHistory::Access access = PracticeHistory::Access::ReadWrite);

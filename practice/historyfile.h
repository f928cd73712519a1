#pragma once

#include "PracticeHistory.h"

// The learner's practice history in the file at `path`, its folder made when missing, on the
// program's one connection to it.
PracticeHistory openHistoryFile(const QString& path);

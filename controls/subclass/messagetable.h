#pragma once

#include <QList>

// A table of message numbers that an interception watches. A count of -1 (ALL_MESSAGES)
// matches every message, 0 none; otherwise the first `count` entries are looked at.
inline constexpr int ALL_MESSAGES = -1;

struct MessageTable {
    QList<int> entries; // slot 1 is entries[0]
    int count = 0;

    bool matches(int message) const;
};

// The two ways of keeping a table.
namespace growable {
// Free entries hold -1; a table grows by one slot when no slot serves.
void add(MessageTable& table, int message);
void remove(MessageTable& table, int message);
} // namespace growable

namespace fixed {
inline constexpr int MSG_ENTRIES = 32;
// Free entries hold 0; false when all MSG_ENTRIES entries are taken.
bool add(MessageTable& table, int message);
void remove(MessageTable& table, int message);
} // namespace fixed

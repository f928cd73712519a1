#include "controls/subclass/messagetable.h"

namespace {

// Frees the first counted slot that holds `message`; ALL_MESSAGES empties the table.
void removeFrom(MessageTable& table, int message, int freeSlot)
{
    if (message == ALL_MESSAGES) {
        table.count = 0;
        return;
    }
    for (int i = 0; i < table.count; ++i) {
        if (table.entries[i] == message) {
            table.entries[i] = freeSlot;
            return;
        }
    }
}

} // namespace

bool MessageTable::matches(int message) const
{
    if (count == ALL_MESSAGES)
        return true;
    for (int i = 0; i < count && i < entries.size(); ++i) {
        if (entries[i] == message)
            return true;
    }
    return false;
}

namespace growable {

constexpr int kFree = -1;

void add(MessageTable& table, int message)
{
    if (message == ALL_MESSAGES) {
        table.count = ALL_MESSAGES;
        return;
    }
    for (int i = 0; i < table.count; ++i) {
        if (table.entries[i] == kFree) {
            table.entries[i] = message;
            return;
        }
        if (table.entries[i] == message)
            return;
    }
    // The table grows past whatever it holds, even entries an ALL_MESSAGES count had hidden.
    table.entries.append(message);
    table.count = static_cast<int>(table.entries.size());
}

void remove(MessageTable& table, int message)
{
    removeFrom(table, message, kFree);
}

} // namespace growable

namespace fixed {

constexpr int kFree = 0;

bool add(MessageTable& table, int message)
{
    if (message == ALL_MESSAGES) {
        table.count = ALL_MESSAGES;
        return true;
    }
    if (table.entries.size() < MSG_ENTRIES)
        table.entries.resize(MSG_ENTRIES, kFree);
    for (int i = 0; i < table.count; ++i) {
        if (table.entries[i] == kFree) {
            table.entries[i] = message;
            return true;
        }
        if (table.entries[i] == message)
            return true;
    }
    const int next = table.count > 0 ? table.count : 0; // 0-based slot after the counted ones
    if (next >= MSG_ENTRIES)
        return false;
    table.entries[next] = message;
    table.count = next + 1;
    return true;
}

void remove(MessageTable& table, int message)
{
    removeFrom(table, message, kFree);
}

} // namespace fixed

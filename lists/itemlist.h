#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The items of an open list and, in word mode, where each line's words stand among them.
struct LineEntry {
    int lineNumber = 0; // 1-based over all lines of the file, blank ones included
    int firstItem = 0;  // 1-based item number of the line's first word
    int lastItem = 0;   // 1-based item number of the line's last word

    friend bool operator==(const LineEntry&, const LineEntry&) = default;
};

struct ItemList {
    QStringList items;
    QList<LineEntry> lines; // word mode only: one entry per non-blank line
};

// The index among `lines` of the line that holds item number `item`, or -1.
int lineIndexOfItem(const QList<LineEntry>& lines, int item);

// Line mode: one item per non-blank line. Word mode: one item per word, the first and last
// word of a line marked with the line number so that a reader sees where lines begin and end.
ItemList buildItems(QStringView text, bool wordMode);

// The short label of an item: its first six words, each after one space, then "..." when the
// item has more, or three spaces when it has not.
QString getDisplayWords(QStringView item, int shownWords = 6);

// `text` as a practice list shows it: a TAB, as between the two hemistichs of a bayt, becomes
// a clear gap instead of a column stop that would hide what follows it.
QString withTabsAsGaps(QString text);

// Spaces (U+0020 only) removed at both ends, as the list rules count blanks.
QStringView trimSpaces(QStringView text);

#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// The items of an open list and, in word mode, where each line's words stand among them.
struct LineEntry {
    int lineNumber = 0; // 1-based over all lines of the file, blank ones included
    int firstItem = 0;  // 1-based item number of the line's first word
    int lastItem = 0;   // 1-based item number of the line's last word

    friend bool operator==(const LineEntry&, const LineEntry&) = default;
};

// A part of a list: the items after a heading line ("# name") up to the next heading, as a
// surah of the Quran or a poem of a diwan. Parts are numbered from 1 in their order.
struct Part {
    QString name;
    int firstItem = 0; // 1-based; a part without items has firstItem = lastItem + 1
    int lastItem = 0;
    int firstLine = 0; // word mode: the index among the lines of the part's first line

    bool isEmpty() const { return lastItem < firstItem; }
    friend bool operator==(const Part&, const Part&) = default;
};

// The divisions of one kind that cut across the parts, as the pages or the juz of a mushaf:
// each begins at a marker line ("## page 582", the kind then the division's name) and runs to
// the next marker of its kind, or to the list's end. Markers are never items and change no
// number or reference.
struct DivisionKind {
    QString name;          // as its first marker writes it; kinds are told apart ignoring case
    QList<Part> divisions; // in the list's order
};

struct ItemList {
    QStringList items;
    QList<LineEntry> lines;        // word mode only: one entry per non-blank line
    QList<Part> parts;             // none for a list without headings
    QList<DivisionKind> divisions; // in the order their kinds are first marked
};

// Whether a line of a list is the heading of a part: "# " and its name, spaces around allowed.
bool isHeading(QStringView line);

// A division marker's kind and name: "## " then a kind (one word) and a name, spaces around
// allowed; nothing for any other line.
struct DivisionMarker {
    QStringView kind;
    QStringView name;
};
std::optional<DivisionMarker> divisionMarker(QStringView line);

// The index among `parts` of the part holding item `item`, or -1 (no parts, or an item before
// the first heading).
int partOfItem(const QList<Part>& parts, int item);

// Where item `item` stands among the divisions, kind by kind: "juz 30 · page 582"; nothing
// where it is in none.
QString divisionsOfItem(const QList<DivisionKind>& kinds, int item);

// `text` (a reference, a range, a count) kept as written inside right-to-left text: isolated
// left to right, so that "2:1–2:10" never reads "2:10–2:1".
QString asWritten(const QString& text);

// What the learner calls item `item`: "2:255", the part's number and the item's number in it
// (in word mode, with `lines` given, the number of its line in the part); the running number
// where the list has no parts or the item comes before the first heading.
QString itemReference(const QList<Part>& parts, const QList<LineEntry>& lines, int item);

// The index among `lines` of the line that holds item number `item`, or -1.
int lineIndexOfItem(const QList<LineEntry>& lines, int item);

// Line mode: one item per non-blank line. Word mode: one item per word, the first and last
// word of a line marked with the line number (in a list with parts, the line's reference) so
// that a reader sees where lines begin and end. Heading lines are parts, and marker lines
// divisions, not items.
ItemList buildItems(QStringView text, bool wordMode);

// The short label of an item: its first six words, each after one space, then "..." when the
// item has more, or three spaces when it has not.
QString getDisplayWords(QStringView item, int shownWords = 6);

// `text` as a practice list shows it: a TAB, as between the two hemistichs of a bayt, becomes
// a clear gap instead of a column stop that would hide what follows it.
QString withTabsAsGaps(QString text);

// Spaces (U+0020 only) removed at both ends, as the list rules count blanks.
QStringView trimSpaces(QStringView text);

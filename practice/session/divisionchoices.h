#pragma once

#include "lists/itemlist.h"

// The rows of the chooser of a whole part or division: the parts ("2 البقرة"), then each kind
// of division, a row naming the kind ("Juz") and a row for each of its divisions ("Juz 30").
namespace divisionchoices {

struct Entry {
    int kind = -1;  // -1: the parts
    int index = -1; // among its kind's; -1 for the row that names a kind
};

QList<Entry> entries(const QList<Part>& parts, const QList<DivisionKind>& kinds);
// What the row of `entry` reads: "2 البقرة", "Juz", "Juz 30".
QString text(const Entry& entry, const QList<Part>& parts, const QList<DivisionKind>& kinds);

// The row of division `index` of kind `kind`, or -1.
int rowOf(const QList<Entry>& entries, int kind, int index);

// How the chooser names a kind: the mushaf's kinds in the interface's language, any other as
// its markers write it.
QString caption(const QString& kind);

} // namespace divisionchoices

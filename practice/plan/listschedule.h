#pragma once

#include "lists/itemlist.h"
#include "schedule/itemmemory.h"
#include "schedule/revisionplan.h"

#include <QDate>
#include <QMap>

// A list as the schedule sees it: its parts and its lines as runs of items.
namespace listschedule {

// The parts that hold items, in order.
QList<revisionplan::ItemSpan> partSpans(const QList<Part>& parts);
QList<revisionplan::ItemSpan> lineSpans(const QList<LineEntry>& lines);
// The divisions of kind `kind` (its name, any case) that hold items; none where the list has
// no such kind.
QList<revisionplan::ItemSpan> divisionSpans(const QList<DivisionKind>& kinds, const QString& kind);

// The memory of every item of `list` as a spreadsheet reads it, items named by their reference,
// under the model's `weights`.
QString memoryCsv(const ItemList& list, bool wordMode, const QMap<int, ItemMemory>& memories,
                  QDate today, double retention, const fsrs::Parameters& weights);

} // namespace listschedule

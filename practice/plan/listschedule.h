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

// The memory of every item of `list` as a spreadsheet reads it, items named by their reference.
QString memoryCsv(const ItemList& list, bool wordMode, const QMap<int, ItemMemory>& memories,
                  QDate today, double retention);

} // namespace listschedule

#pragma once

#include "itemlist.h"
#include "itemmemory.h"

#include <QDate>
#include <QMap>
#include <QString>

// One list's memory as a spreadsheet reads it: a header, then a row for every item in order,
// whether practised or not: number, reference, text, mode, reviews, lapses, difficulty,
// stability in days, chance of recall on `today` and the day it is next due at `retention`.
// Fields are quoted where they must be, and a text a spreadsheet would take for a formula is
// kept as text.
QString memoryCsv(const ItemList& list, bool wordMode, const QMap<int, ItemMemory>& memories,
                  QDate today, double retention);

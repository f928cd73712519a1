#pragma once

#include "schedule/itemmemory.h"

#include <QDate>
#include <QMap>
#include <QString>
#include <QStringList>

// A CSV field, quoted where it must be; a text a spreadsheet would take for a formula is kept
// as text.
QString csvField(const QString& text);

// One list's memory as a spreadsheet reads it: a header, then a row for every item in order,
// whether practised or not (`items` and their `references` in order): number, reference, text,
// mode, reviews, lapses, difficulty,
// stability in days, chance of recall on `today` and the day it is next due at `retention`
// under the model's `weights`.
// Fields are quoted where they must be, and a text a spreadsheet would take for a formula is
// kept as text.
QString memoryCsv(const QStringList& items, const QStringList& references, bool wordMode,
                  const QMap<int, ItemMemory>& memories, QDate today, double retention,
                  const fsrs::Parameters& weights);

#pragma once

#include "PracticeRange.h"

#include <QStringList>

#include <random>

// The Tester's rules that need no widget.
namespace testing {

inline const QString kHeader = QStringLiteral("------ Select Next ------------");
inline const QString kComplete = QStringLiteral("--- TEST COMPLETE ---");

// Up to `count` items from item `next` on, but not past item `last`, in random order: the one
// to pick next and the ones after it.
QStringList shuffledItems(const PracticeRange& range, int next, int last, int count,
                          std::mt19937& random);

// An entry of the recalled items: the item's number before it in line mode.
QString recalledEntry(bool wordMode, int itemNumber, const QString& pickedRow);

// "01 hr : 02 min : 05 sec", "01 min : 05 sec", "07 sec", or empty for 0.
QString GetSecondsInHMSFormat(qint64 lngSeconds);

} // namespace testing

#pragma once

#include <QString>

// The Tester's fixed texts and formats.
namespace testing {

// The choice list's header row, and its only row once the test is complete.
QString header();
QString complete();

// An entry of the recalled items: the item's number (its reference) before it in line mode.
QString recalledEntry(bool wordMode, const QString& reference, const QString& pickedRow);

// The time shown before the first pick: "0 sec".
QString noTimeYet();

// "01 hr : 02 min : 05 sec", "01 min : 05 sec", "07 sec", or empty for 0.
QString GetSecondsInHMSFormat(qint64 lngSeconds);

} // namespace testing

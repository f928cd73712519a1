#pragma once

#include <QString>

// The Tester's fixed texts and formats.
namespace testing {

inline const QString kHeader = QStringLiteral("------ Select Next ------------");
inline const QString kComplete = QStringLiteral("--- TEST COMPLETE ---");

// An entry of the recalled items: the item's number (its reference) before it in line mode.
QString recalledEntry(bool wordMode, const QString& reference, const QString& pickedRow);

// "01 hr : 02 min : 05 sec", "01 min : 05 sec", "07 sec", or empty for 0.
QString GetSecondsInHMSFormat(qint64 lngSeconds);

} // namespace testing

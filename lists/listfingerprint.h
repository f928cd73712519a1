#pragma once

#include <QByteArray>
#include <QList>
#include <QStringView>

// A list's content in a few numbers, so that a list moved, renamed in its folder or saved again
// is recognised and two lists that only share a title are not: the smallest hashes of its
// distinct lines (a bottom-k sketch). Lines are compared with spaces trimmed at both ends, the
// same in line and word mode.
namespace listfingerprint {

using Fingerprint = QList<quint64>; // ascending, at most kSize

inline constexpr int kSize = 64;

Fingerprint of(QStringView text);

// The estimated share of distinct lines two lists have in common, 0 to 1; 0 when either is
// empty.
double likeness(const Fingerprint& a, const Fingerprint& b);

QByteArray toBytes(const Fingerprint& fingerprint);
Fingerprint fromBytes(const QByteArray& bytes);

} // namespace listfingerprint

#pragma once

#include <QByteArray>
#include <QString>

// Writes `bytes` as the whole new content of `path` through a temporary file that replaces
// the old one only when every byte is on disk. On failure the old file is left as it was and
// `error` says why.
bool saveAtomically(const QString& path, const QByteArray& bytes, QString* error);

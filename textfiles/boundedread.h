#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file, but never more than a caller can use: a larger regular file is refused
// before any of it is read, and a stream (a pipe, a device such as /dev/zero) is read only
// until it passes the limit, so that no file can exhaust the memory.
struct BoundedRead {
    enum Status { Read, CannotOpen, TooLarge, ReadFailed };
    Status status = Read;
    QByteArray bytes;
    QString detail; // the system's reason, for CannotOpen and ReadFailed
};

BoundedRead readAtMost(const QString& path, qint64 limit);

#include "textfiles/boundedread.h"

#include <QFile>

BoundedRead readAtMost(const QString& path, qint64 limit)
{
    BoundedRead read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        read.status = BoundedRead::CannotOpen;
        read.detail = file.errorString();
        return read;
    }
    if (!file.isSequential() && file.size() > limit) {
        read.status = BoundedRead::TooLarge;
        return read;
    }
    constexpr qint64 kBlock = 1 << 20;
    for (;;) {
        const qint64 room = qMin(kBlock, limit + 1 - read.bytes.size());
        const qsizetype before = read.bytes.size();
        read.bytes.resize(before + room);
        const qint64 got = file.read(read.bytes.data() + before, room);
        if (got < 0) {
            read.status = BoundedRead::ReadFailed;
            read.detail = file.errorString();
            read.bytes.clear();
            return read;
        }
        read.bytes.resize(before + got);
        if (read.bytes.size() > limit) {
            read.status = BoundedRead::TooLarge;
            read.bytes.clear();
            return read;
        }
        if (got == 0)
            return read;
    }
}

#include "listfile.h"

#include "common/atomicsave.h"
#include "unitext/textfilecodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <array>

namespace listfile {
namespace {

constexpr int kMinUnit = -32768;
constexpr int kMaxUnit = 32767;

// The shift of 1-based position p is p mod 100; walking positions in order, it counts
// 1, 2, ..., 99, 0, 1, ... so a running counter avoids a division per unit.
struct Shift {
    int value = 0;
    int next()
    {
        value = value == 99 ? 0 : value + 1;
        return value;
    }
};

QString tr(const char* text)
{
    return QCoreApplication::translate("listfile", text);
}

// The shifts repeat every 100 positions, so a whole block of 100 units subtracts the same
// table. A unit above its shift gives a character, and a block made only of such units is
// copied in 16-bit arithmetic, which the compiler turns into vector code; any other block
// (a unit giving no character or an overflow, or a short last one) takes the slow way.
constexpr int kBlock = 100;

// Decodes the whole units of `bytes`, the first at 0-based unit index `first` (a multiple of
// kBlock), into `text` from index `written`, which must have room for them. Returns the new
// end of the written characters.
#if defined(__x86_64__) && defined(__GNUC__)
// Most lists are read at the speed of this loop: wider vectors where the processor has them.
__attribute__((target_clones("avx2", "default")))
#endif
qsizetype decodeUnits(QByteArrayView bytes, qsizetype first, QString* text, qsizetype written,
                      Error* error)
{
    static constexpr std::array<qint16, kBlock> kShifts = [] {
        std::array<qint16, kBlock> shifts{};
        for (int j = 0; j < kBlock; ++j)
            shifts[j] = qint16((j + 1) % kBlock);
        return shifts;
    }();
    Q_ASSERT(first % kBlock == 0);
    const qsizetype units = bytes.size() / 2;
    auto* out = reinterpret_cast<char16_t*>(text->data());
    const char* in = bytes.data();
    for (qsizetype start = 0; start < units; start += kBlock) {
        const int count = int(qMin<qsizetype>(kBlock, units - start));
        const char* block = in + 2 * start;
        if (count == kBlock) {
            short unkept = 0; // a short, not a bool, keeps the loop vectorisable
            for (int j = 0; j < kBlock; ++j) {
                const qint16 unit = qFromLittleEndian<qint16>(block + 2 * j);
                unkept |= short(unit <= kShifts[j]);
                out[written + j] = char16_t(unit - kShifts[j]);
            }
            if (!unkept) {
                written += kBlock;
                continue;
            }
        }
        for (int j = 0; j < count; ++j) {
            const int d = qFromLittleEndian<qint16>(block + 2 * j) - kShifts[j];
            if (d < kMinUnit) {
                *error = {Error::Overflow, first + start + j + 1, {}};
                return written;
            }
            if (d >= 1)
                out[written++] = char16_t(d);
        }
    }
    *error = {};
    return written;
}

// Reads until `chunk` is full or the device has no more; -1 on a read error.
qint64 readFully(QIODevice& device, char* chunk, qint64 size)
{
    qint64 filled = 0;
    while (filled < size) {
        const qint64 count = device.read(chunk + filled, size - filled);
        if (count < 0)
            return -1;
        if (count == 0)
            break;
        filled += count;
    }
    return filled;
}

QByteArray readAllChecked(QIODevice& device, Error* error)
{
    *error = {};
    const bool sized = !device.isSequential();
    if (sized && device.size() - device.pos() > kMaxFileBytes) {
        *error = {Error::TooLarge, 0, {}};
        return {};
    }
    QByteArray bytes;
    if (sized)
        bytes.reserve(device.size() - device.pos());
    char chunk[64 * 1024];
    for (;;) {
        const qint64 count = device.read(chunk, sizeof chunk);
        if (count < 0) {
            *error = {Error::ReadFailed, 0, device.errorString()};
            return {};
        }
        if (count == 0)
            return bytes;
        if (bytes.size() + count > kMaxFileBytes) {
            *error = {Error::TooLarge, 0, {}};
            return {};
        }
        bytes.append(chunk, count);
    }
}

} // namespace

QString describe(const Error& error, const QString& path)
{
    const QString name = QStringLiteral("\u201C%1\u201D").arg(path);
    switch (error.kind) {
    case Error::None:
        return {};
    case Error::CannotOpen:
        return tr("The list file %1 could not be opened: %2.").arg(name, error.detail);
    case Error::ReadFailed:
        return tr("The list file %1 could not be read: %2.").arg(name, error.detail);
    case Error::WriteFailed:
        return tr("The list file %1 could not be written: %2. Any file that was there is "
                  "unchanged.")
            .arg(name, error.detail);
    case Error::Overflow:
        return tr("The list file %1 is damaged or is not a list file: the value at character "
                  "%2 is out of range.")
            .arg(name)
            .arg(error.position);
    case Error::TooLarge:
        return tr("The file %1 is larger than %2 MB, which no list is; it was not opened.")
            .arg(name)
            .arg(kMaxFileBytes / (1024 * 1024));
    }
    return {};
}

QByteArray encode(QStringView text, Error* error)
{
    QByteArray bytes(text.size() * 2, Qt::Uninitialized);
    char* out = bytes.data();
    Shift shift;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int stored = static_cast<qint16>(text[i].unicode()) + shift.next();
        if (stored > kMaxUnit) {
            *error = {Error::Overflow, i + 1, {}};
            return {};
        }
        const auto unit = static_cast<quint16>(stored);
        *out++ = static_cast<char>(unit & 0xFF);
        *out++ = static_cast<char>(unit >> 8);
    }
    *error = {};
    return bytes;
}

qsizetype firstUnkeptCharacter(QStringView text)
{
    Shift shift;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int unit = static_cast<qint16>(text[i].unicode());
        if (unit <= 0 || unit + shift.next() > kMaxUnit)
            return i;
    }
    return -1;
}

QString decode(QByteArrayView bytes, Error* error)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    const qsizetype written = decodeUnits(bytes, 0, &text, 0, error);
    if (error->isError())
        return {};
    text.truncate(written);
    return text;
}

QString plainUnits(QByteArrayView bytes)
{
    return textfile::decodeUtf16(bytes, false);
}

QString read(QIODevice& device, Error* error)
{
    // Decoded a chunk at a time, so that the file's bytes are never held whole. A chunk is
    // whole blocks of units, so every chunk starts a block.
    constexpr qint64 kChunkBytes = 2 * kBlock * 2560;
    const bool sized = !device.isSequential();
    const qint64 expected = sized ? device.size() - device.pos() : 0;
    if (expected > kMaxFileBytes) {
        *error = {Error::TooLarge, 0, {}};
        return {};
    }
    QString text;
    text.resize(expected / 2);
    qsizetype written = 0;
    qint64 total = 0;
    QByteArray buffer(kChunkBytes, Qt::Uninitialized);
    char* chunk = buffer.data();
    for (;;) {
        const qint64 count = readFully(device, chunk, kChunkBytes);
        if (count < 0) {
            *error = {Error::ReadFailed, 0, device.errorString()};
            return {};
        }
        total += count;
        if (total > kMaxFileBytes) {
            *error = {Error::TooLarge, 0, {}};
            return {};
        }
        if (text.size() < written + count / 2)
            text.resize(written + count / 2); // the file grew, or its size is not known
        written = decodeUnits(QByteArrayView(chunk, count), (total - count) / 2, &text, written,
                              error);
        if (error->isError())
            return {};
        if (count < kChunkBytes) {
            text.truncate(written);
            return text;
        }
    }
}

Error write(QIODevice& device, QStringView text)
{
    Error error;
    const QByteArray bytes = encode(text, &error);
    if (error.isError())
        return error;
    if (device.write(bytes) != bytes.size())
        return {Error::WriteFailed, 0, device.errorString()};
    return {};
}

QString readFile(const QString& path, Error* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *error = {Error::CannotOpen, 0, file.errorString()};
        return {};
    }
    return read(file, error);
}

Error writeFile(const QString& path, QStringView text)
{
    Error error;
    const QByteArray bytes = encode(text, &error);
    if (error.isError())
        return error;
    QString reason;
    if (!saveAtomically(path, bytes, &reason))
        return {Error::WriteFailed, 0, reason};
    return {};
}

Error convertPlainFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {Error::CannotOpen, 0, file.errorString()};
    Error error;
    const QByteArray bytes = readAllChecked(file, &error);
    file.close();
    if (error.isError())
        return error;
    return writeFile(path, plainUnits(bytes));
}

} // namespace listfile

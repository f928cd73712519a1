#include "listfile.h"

#include "common/atomicsave.h"
#include "unitext/textfilecodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
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
    // The shifts repeat every 100 positions: a block of 100 units subtracts the same table,
    // which the compiler turns into vector code. Only a block that holds a unit giving no
    // character (or an overflow) takes the slow way.
    static constexpr std::array<qint16, 100> kShifts = [] {
        std::array<qint16, 100> shifts{};
        for (int j = 0; j < 100; ++j)
            shifts[j] = qint16((j + 1) % 100);
        return shifts;
    }();
    const qsizetype units = bytes.size() / 2;
    QString text(units, Qt::Uninitialized);
    auto* out = reinterpret_cast<char16_t*>(text.data());
    const char* in = bytes.data();
    qsizetype written = 0;
    for (qsizetype start = 0; start < units; start += 100) {
        const int count = int(qMin<qsizetype>(100, units - start));
        const char* block = in + 2 * start;
        int lowest = 1;
        for (int j = 0; j < count; ++j) {
            const int d = qFromLittleEndian<qint16>(block + 2 * j) - kShifts[j];
            lowest = std::min(lowest, d);
            out[written + j] = char16_t(d);
        }
        if (lowest >= 1) {
            written += count;
            continue;
        }
        for (int j = 0; j < count; ++j) {
            const int d = qFromLittleEndian<qint16>(block + 2 * j) - kShifts[j];
            if (d < kMinUnit) {
                *error = {Error::Overflow, start + j + 1, {}};
                return {};
            }
            if (d >= 1)
                out[written++] = char16_t(d);
        }
    }
    text.truncate(written);
    *error = {};
    return text;
}

QString plainUnits(QByteArrayView bytes)
{
    return textfile::decodeUtf16(bytes, false);
}

QString read(QIODevice& device, Error* error)
{
    const QByteArray bytes = readAllChecked(device, error);
    if (error->isError())
        return {};
    return decode(bytes, error);
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
    if (!file.open(QIODevice::ReadOnly)) {
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

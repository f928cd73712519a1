#include "lists/listfile.h"

#include "textfiles/atomicsave.h"
#include "textfiles/textfilecodec.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <array>
#include <cstring>

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

// Decodes `count` units, held as little-endian bytes in `units`, into characters written
// over them from the start, and returns how many characters were written.
//
// The shifts repeat every 100 positions, so a whole block of 100 units subtracts the same
// table. A unit above its shift gives a character, and a block made only of such units is
// decoded in place in 16-bit arithmetic, which the compiler turns into vector code. Any other
// block takes the slow way, and so does the rest of a file once a unit gave nothing: the
// writer never writes such units, so only files from elsewhere hold them.
#if defined(__x86_64__) && defined(__GNUC__)
// Most lists are read at the speed of this loop: wider vectors where the processor has them.
__attribute__((target_clones("avx2", "default")))
#endif
qsizetype
decodeInPlace(char16_t* units, qsizetype count, Error* error)
{
    constexpr int kBlock = 100;
    static constexpr std::array<qint16, kBlock> kShifts = [] {
        std::array<qint16, kBlock> shifts{};
        for (int j = 0; j < kBlock; ++j)
            shifts[j] = qint16((j + 1) % kBlock);
        return shifts;
    }();
    const auto unit = [&](qsizetype i) { return qFromLittleEndian<qint16>(units + i); };
    qsizetype written = 0;
    for (qsizetype start = 0; start < count; start += kBlock) {
        const int size = int(qMin<qsizetype>(kBlock, count - start));
        if (written == start && size == kBlock) {
            short unkept = 0; // a short, not a bool, keeps the loop vectorisable
            for (int j = 0; j < kBlock; ++j)
                unkept |= short(unit(start + j) <= kShifts[j]);
            if (!unkept) {
                for (int j = 0; j < kBlock; ++j)
                    units[start + j] = char16_t(unit(start + j) - kShifts[j]);
                written += kBlock;
                continue;
            }
        }
        for (int j = 0; j < size; ++j) {
            const int d = unit(start + j) - kShifts[j];
            if (d < kMinUnit) {
                *error = {Error::Overflow, start + j + 1, {}};
                return written;
            }
            if (d >= 1)
                units[written++] = char16_t(d); // never past the unit just read
        }
    }
    *error = {};
    return written;
}

// The characters of the units held in `text`'s memory: `text` is cut to them.
void decodeText(QString* text, qsizetype count, Error* error)
{
    const qsizetype written =
        decodeInPlace(reinterpret_cast<char16_t*>(text->data()), count, error);
    if (error->isError())
        text->clear();
    else
        text->truncate(written);
}

// Reads the rest of `device` into the memory of `storage`, two bytes to a character, and
// returns the number of bytes. A list is decoded where it was read, so that a load touches
// no more memory than the text it makes.
qint64 readInto(QIODevice& device, QString* storage, Error* error)
{
    *error = {};
    const qint64 expected = device.isSequential() ? 0 : device.size() - device.pos();
    if (expected > kMaxFileBytes) {
        *error = {Error::TooLarge, 0, {}};
        return 0;
    }
    // Room for one byte more than expected, so that the end shows without growing.
    storage->resize(expected / 2 + 1);
    qint64 filled = 0;
    for (;;) {
        const qint64 room = 2 * storage->size();
        if (filled == room) {
            if (filled > kMaxFileBytes) {
                *error = {Error::TooLarge, 0, {}};
                return 0;
            }
            storage->resize(qMin<qint64>(2 * storage->size(), kMaxFileBytes / 2 + 1));
            continue;
        }
        const qint64 count =
            device.read(reinterpret_cast<char*>(storage->data()) + filled, room - filled);
        if (count < 0) {
            *error = {Error::ReadFailed, 0, device.errorString()};
            return 0;
        }
        if (count == 0)
            break;
        filled += count;
    }
    if (filled > kMaxFileBytes) {
        *error = {Error::TooLarge, 0, {}};
        return 0;
    }
    return filled;
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
            .arg(kMaxFileBytes / kMebibyte);
    case Error::TooLong:
        return tr("The list %1 would be larger than %2 MB, which Zorvel cannot open; it was not "
                  "written. Make it into several lists.")
            .arg(name)
            .arg(kMaxFileBytes / kMebibyte);
    }
    return {};
}

QByteArray encode(QStringView text, Error* error)
{
    if (text.size() * 2 > kMaxFileBytes) {
        *error = {Error::TooLong, 0, {}};
        return {};
    }
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

QList<UnkeptCharacter> unkeptCharacters(QStringView text)
{
    QList<UnkeptCharacter> found;
    Shift shift;
    int line = 1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n')
            ++line;
        const int unit = static_cast<qint16>(c.unicode());
        if (unit > 0 && unit + shift.next() <= kMaxUnit)
            continue;
        QString character(c);
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            character += text[++i];
            shift.next();
        }
        const auto known = std::find_if(found.begin(), found.end(),
                                        [&](const auto& k) { return k.character == character; });
        if (known != found.end())
            ++known->count;
        else
            found.append({character, 1, line});
    }
    return found;
}

QString describeUnkept(const QList<UnkeptCharacter>& characters)
{
    QStringList lines;
    for (const UnkeptCharacter& unkept : characters) {
        const char32_t code = unkept.character.size() == 2
                                  ? QChar::surrogateToUcs4(unkept.character[0], unkept.character[1])
                                  : unkept.character[0].unicode();
        // U+0000 has no picture of its own.
        const QString shown = code == 0 ? QString() : u' ' + unkept.character;
        const QString times = unkept.count == 1 ? tr("once") : tr("%1 times").arg(unkept.count);
        lines.append(
            tr("U+%1%2: %3, first on line %4")
                .arg(QString::number(code, 16).toUpper().rightJustified(4, u'0'), shown, times)
                .arg(unkept.firstLine));
    }
    return lines.join(u'\n');
}

QString decode(QByteArrayView bytes, Error* error)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), 2 * size_t(text.size()));
    decodeText(&text, text.size(), error);
    return text;
}

QString plainUnits(QByteArrayView bytes)
{
    return textfile::decodeUtf16(bytes, false);
}

QString read(QIODevice& device, Error* error)
{
    QString text;
    const qint64 bytes = readInto(device, &text, error);
    if (error->isError())
        return {};
    decodeText(&text, bytes / 2, error);
    return text;
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
    QString storage;
    const qint64 bytes = readInto(file, &storage, &error);
    file.close();
    if (error.isError())
        return error;
    return writeFile(path, plainUnits(QByteArrayView(
                               reinterpret_cast<const char*>(storage.constData()), bytes)));
}

} // namespace listfile

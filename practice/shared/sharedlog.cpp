#include "practice/shared/sharedlog.h"

#include "practice/history/historyrows.h"

#include <QHash>

#include <array>

#include <algorithm>

namespace sharedlog {

namespace {

constexpr char kMagic[] = "zorvel-log";
constexpr int kFields = 17; // a record's, its checksum last

// CRC-32 (IEEE 802.3) a byte at a time: a class of forty learners' years is millions of lines.
constexpr std::array<quint32, 256> kCrcTable = [] {
    std::array<quint32, 256> table{};
    for (quint32 n = 0; n < 256; ++n) {
        quint32 crc = n;
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
        table[n] = crc;
    }
    return table;
}();

quint32 crc32(QByteArrayView bytes)
{
    quint32 crc = 0xFFFFFFFF;
    for (const char byte : bytes)
        crc = (crc >> 8) ^ kCrcTable[(crc ^ quint8(byte)) & 0xFF];
    return ~crc;
}

QByteArray text(const QString& value)
{
    return value.toUtf8().toBase64();
}

QString textOf(const QByteArray& field)
{
    return QString::fromUtf8(QByteArray::fromBase64(field));
}

// A line with its checksum over what stands before it.
QByteArray sealed(const QList<QByteArray>& fields)
{
    QByteArray line = fields.join('\t') + '\t';
    return line + QByteArray::number(crc32(line), 16).rightJustified(8, '0') + '\n';
}

// The fields of a whole line whose checksum holds; none for a damaged one.
std::optional<QList<QByteArray>> opened(QByteArrayView line)
{
    const qsizetype tab = line.lastIndexOf('\t');
    if (tab < 0)
        return std::nullopt;
    bool ok = false;
    const quint32 sum = line.sliced(tab + 1).toByteArray().toUInt(&ok, 16);
    if (!ok || sum != crc32(line.first(tab + 1)))
        return std::nullopt;
    return line.first(tab).toByteArray().split('\t');
}

QByteArray marksField(const QList<RecitalMark>& marks)
{
    if (marks.isEmpty())
        return "-";
    QList<QByteArray> parts;
    for (const RecitalMark& mark : marks)
        parts.append(QByteArray::number(mark.kind) + ':' + QByteArray::number(mark.word) + ':' +
                     text(mark.wordText));
    return parts.join(',');
}

std::optional<QList<RecitalMark>> marksOf(const QByteArray& field)
{
    QList<RecitalMark> marks;
    if (field == "-")
        return marks;
    for (const QByteArray& part : field.split(',')) {
        const QList<QByteArray> pieces = part.split(':');
        bool kindOk = false;
        bool wordOk = false;
        if (pieces.size() != 3)
            return std::nullopt;
        marks.append({pieces[0].toInt(&kindOk), pieces[1].toInt(&wordOk), textOf(pieces[2])});
        if (!kindOk || !wordOk)
            return std::nullopt;
    }
    return marks;
}

// A log names few lists, each in every line: their fingerprints are read once.
using Fingerprints = QHash<QByteArray, listfingerprint::Fingerprint>;

std::optional<Record> recordOf(const QList<QByteArray>& f, Fingerprints& fingerprints)
{
    if (f.size() != kFields - 1)
        return std::nullopt;
    bool ok[11] = {};
    Record record;
    record.seq = f[0].toLongLong(&ok[0]);
    record.review.at = historyrows::timeOf(QString::fromLatin1(f[1]));
    record.review.day = QDate::fromJulianDay(f[2].toLongLong(&ok[1]));
    record.title = textOf(f[3]);
    auto fingerprint = fingerprints.constFind(f[4]);
    if (fingerprint == fingerprints.cend())
        fingerprint =
            fingerprints.insert(f[4], listfingerprint::fromBytes(QByteArray::fromHex(f[4])));
    record.fingerprint = *fingerprint;
    record.wordMode = f[5] == "1";
    record.review.number = f[6].toInt(&ok[2]);
    record.review.text = textOf(f[7]);
    record.review.pickedRow = f[8].toInt(&ok[3]);
    record.review.pickedItem = f[9].toInt(&ok[4]);
    record.review.right = f[10].toInt(&ok[5]) != 0;
    record.review.firstTry = f[11].toInt(&ok[6]) != 0;
    record.review.seconds = f[12].toDouble(&ok[7]);
    record.review.grade = f[13].toInt(&ok[8]);
    const int drill = f[14].toInt(&ok[9]);
    record.review.drill = Drill(drill);
    const std::optional<QList<RecitalMark>> marks = marksOf(f[15]);
    ok[10] = marks.has_value() && drill >= 0 && drill < kDrills && record.seq > 0 &&
             record.review.at.isValid() && record.review.day.isValid() &&
             record.review.number > 0 && record.review.grade >= 0 && record.review.grade <= 4;
    if (std::find(std::begin(ok), std::end(ok), false) != std::end(ok))
        return std::nullopt;
    record.marks = *marks;
    return record;
}

} // namespace

QByteArray headerLine(const Header& header)
{
    return sealed({QByteArray(kMagic), QByteArray::number(header.version), header.device.toLatin1(),
                   text(header.name)});
}

QByteArray recordLine(const Record& record)
{
    const Review& r = record.review;
    return sealed({QByteArray::number(record.seq),
                   r.at.toUTC().toString(Qt::ISODateWithMs).toLatin1(),
                   QByteArray::number(r.day.toJulianDay()), text(record.title),
                   listfingerprint::toBytes(record.fingerprint).toHex(),
                   QByteArray(record.wordMode ? "1" : "0"), QByteArray::number(r.number),
                   text(r.text), QByteArray::number(r.pickedRow), QByteArray::number(r.pickedItem),
                   QByteArray(r.right ? "1" : "0"), QByteArray(r.firstTry ? "1" : "0"),
                   QByteArray::number(r.seconds), QByteArray::number(r.grade),
                   QByteArray::number(int(r.drill)), marksField(record.marks)});
}

std::optional<Header> readHeader(const QByteArray& start)
{
    const qsizetype end = start.indexOf('\n');
    if (end < 0)
        return std::nullopt;
    const std::optional<QList<QByteArray>> fields = opened(QByteArrayView(start).first(end));
    if (!fields || fields->size() != 4 || fields->at(0) != kMagic)
        return std::nullopt;
    bool ok = false;
    Header header{fields->at(1).toInt(&ok), QString::fromLatin1(fields->at(2)),
                  textOf(fields->at(3))};
    if (!ok || header.version < 1 || header.device.isEmpty())
        return std::nullopt;
    return header;
}

Chunk readRecords(const QByteArray& chunk)
{
    Chunk read;
    Fingerprints fingerprints;
    qsizetype start = 0;
    for (qsizetype end = chunk.indexOf('\n'); end >= 0; end = chunk.indexOf('\n', start)) {
        const std::optional<QList<QByteArray>> fields =
            opened(QByteArrayView(chunk).sliced(start, end - start));
        const std::optional<Record> record =
            fields ? recordOf(*fields, fingerprints) : std::nullopt;
        if (record)
            read.records.append(*record);
        else
            ++read.damaged;
        start = end + 1;
    }
    read.consumed = start;
    return read;
}

} // namespace sharedlog
